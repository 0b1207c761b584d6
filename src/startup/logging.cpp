#include "startup/logging.h"

namespace modcol {
Q_LOGGING_CATEGORY(lcStartup, "colaborador.startup", QtWarningMsg)
}

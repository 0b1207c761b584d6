#include "filelookup/logging.h"

namespace modcol {
Q_LOGGING_CATEGORY(lcFileLookup, "colaborador.filelookup", QtWarningMsg)
}

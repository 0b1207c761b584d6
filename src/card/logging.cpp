#include "card/logging.h"

namespace card {
Q_LOGGING_CATEGORY(lcCard, "colaborador.card", QtWarningMsg)
}

#include "results/logging.h"

namespace results {
Q_LOGGING_CATEGORY(lcResults, "colaborador.results", QtWarningMsg)
}

#include "viewer/logging.h"

namespace viewer {
Q_LOGGING_CATEGORY(lcViewer, "colaborador.viewer", QtWarningMsg)
}

#include "pictures/logging.h"

namespace modcol {
Q_LOGGING_CATEGORY(lcPictures, "colaborador.pictures", QtWarningMsg)
}

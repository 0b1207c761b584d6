#include "catalogue/private/logging.h"

namespace catalogue {
Q_LOGGING_CATEGORY(lcCatalogue, "colaborador.catalogue", QtWarningMsg)
}

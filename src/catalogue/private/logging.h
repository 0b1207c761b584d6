#pragma once

#include <QLoggingCategory>

#include "catalogue/private/engineonly.h"

// The engine's log: refused and damaged files, fallbacks, what it loads.
// Quiet but for warnings; QT_LOGGING_RULES="colaborador.catalogue=true" shows all.
namespace catalogue {
Q_DECLARE_LOGGING_CATEGORY(lcCatalogue)
}

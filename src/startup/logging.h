#pragma once

#include <QLoggingCategory>

// The start-up layer's log: the shared state it found, the files it refused
// and the fallbacks it took. Quiet but for warnings;
// QT_LOGGING_RULES="colaborador.startup=true" shows all.
namespace modcol {
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
}

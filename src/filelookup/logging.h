#pragma once

#include <QLoggingCategory>

// The file look-ups' log: folder listings stopped early. Quiet but for warnings;
// QT_LOGGING_RULES="colaborador.filelookup=true" shows all.
namespace modcol {
Q_DECLARE_LOGGING_CATEGORY(lcFileLookup)
}

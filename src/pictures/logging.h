#pragma once

#include <QLoggingCategory>

// The pictures' log: files refused before or after decoding, and why. Quiet but for warnings;
// QT_LOGGING_RULES="colaborador.pictures=true" shows all.
namespace modcol {
Q_DECLARE_LOGGING_CATEGORY(lcPictures)
}

#pragma once

#include <QLoggingCategory>

// The results window's log: cells left without a picture and why. Quiet but
// for warnings; QT_LOGGING_RULES="colaborador.results=true" shows all.
namespace results {
Q_DECLARE_LOGGING_CATEGORY(lcResults)
}

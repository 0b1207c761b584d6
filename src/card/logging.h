#pragma once

#include <QLoggingCategory>

// The record card's log: boxes left empty, photos not shown and copies not
// made, and why. Quiet but for warnings; QT_LOGGING_RULES="colaborador.card=true"
// shows all.
namespace card {
Q_DECLARE_LOGGING_CATEGORY(lcCard)
}

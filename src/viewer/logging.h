#pragma once

#include <QLoggingCategory>

// The photo viewer's log: photos left without a picture and why, and the
// steps of a grid fill that were skipped. Quiet but for warnings;
// QT_LOGGING_RULES="colaborador.viewer=true" shows all.
namespace viewer {
Q_DECLARE_LOGGING_CATEGORY(lcViewer)
}

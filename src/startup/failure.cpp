#include "startup/failure.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <QApplication>
#include <QMessageBox>

#include "catalogue/catalogueerror.h"
#include "startup/modcol.h"

namespace modcol {

QString failureMessage(const std::exception_ptr &failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc &) {
        return QStringLiteral("No queda memoria suficiente.");
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
    }
    return QStringLiteral("Error inesperado.");
}

bool isCatalogueDamage(const std::exception_ptr &failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const catalogue::CatalogueError &error) {
        return error.isDamage();
    } catch (...) {
        return false;
    }
}

void endProgram(const QString &message)
{
    static bool ending = false;
    if (ending)
        return;
    ending = true;
    QMetaObject::invokeMethod(qApp, [message] {
        QMessageBox::critical(QApplication::activeWindow(), ApplicationTitle, message);
        // Ends at once: nothing after the failure may run on half-done state.
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }, Qt::QueuedConnection);
}

} // namespace modcol

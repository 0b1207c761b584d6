#pragma once

#include <exception>

#include <QLoggingCategory>
#include <QString>

// The three ways a procedure of this program meets a failure. Catalogue and
// file operations report failures by throwing; these helpers decide what a
// failure means, so that no exception ever crosses the event loop.
namespace modcol {

// Shows one critical message titled with the application's title, from a
// queued call (never inside the handler that failed), then ends the program
// with a non-zero exit status. Only the first call counts.
void endProgram(const QString &message);

// The message for an exception, in Spanish.
QString failureMessage(const std::exception_ptr &failure);

// Whether the failure is a damaged catalogue file.
bool isCatalogueDamage(const std::exception_ptr &failure);

// A failing statement is skipped and the next one runs. The failure leaves
// a debug line in `log`, the caller's layer, so that a missing photo or box
// can be traced (QT_LOGGING_RULES="colaborador.*.debug=true"). A damaged
// catalogue is never skipped: whatever statement meets it first, it ends
// the program as damage met anywhere else does, instead of leaving photos
// or boxes silently empty.
template <typename Statement>
void skipFailure(const QLoggingCategory &log, Statement &&statement) noexcept
{
    try {
        statement();
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        if (isCatalogueDamage(failure))
            endProgram(failureMessage(failure));
        else
            qCDebug(log) << "skipped:" << failureMessage(failure);
    }
}

// No trap: a failure is shown in an error box and the program ends.
template <typename Handler>
void endOnFailure(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (...) {
        endProgram(failureMessage(std::current_exception()));
    }
}

} // namespace modcol

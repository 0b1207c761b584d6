#pragma once

#include <exception>

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

// A failing statement is skipped and the next one runs.
template <typename Statement>
void skipFailure(Statement &&statement) noexcept
{
    try {
        statement();
    } catch (...) {
    }
}

// An error trap: the procedure stops at the failure and leaves things as
// they are. Returns whether it ran to its end.
template <typename Procedure>
bool trapFailure(Procedure &&procedure) noexcept
{
    try {
        procedure();
        return true;
    } catch (...) {
        return false;
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

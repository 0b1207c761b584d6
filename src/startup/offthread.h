#pragma once

#include <exception>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace modcol {

// The threads of the program's long work (opening the catalogue, loading
// its largest table). Quitting never waits for them: the pool is never
// destroyed, and the process ends around whatever they are doing.
QThreadPool &backgroundThreads();

// For main's return: ends the process at once with `status` while pictures
// are being decoded or other background work runs (nothing will use them,
// and neither can be stopped half-way), else gives `status` back for an
// ordinary end.
int endRun(int status);

// What work done off the window's thread gave: its result, or what it threw.
template <typename T>
class Outcome
{
public:
    // The result; rethrows what the work threw.
    T take()
    {
        if (m_failure)
            std::rethrow_exception(m_failure);
        return std::move(*m_result);
    }

    void succeed(T result) { m_result.emplace(std::move(result)); }
    void fail(std::exception_ptr failure) { m_failure = std::move(failure); }

private:
    std::optional<T> m_result;
    std::exception_ptr m_failure;
};

// Runs `work` on a background thread, then `done(Outcome)` on the window's
// thread, unless `receiver` is gone by then. `done` decides what a failure
// means (see failure.h): nothing thrown crosses a thread or the event loop.
template <typename Work, typename Done>
void runOffThread(QObject *receiver, Work work, Done done)
{
    using Result = std::invoke_result_t<Work &>;
    struct Job
    {
        Work work;
        Done done;
        QPointer<QObject> receiver; // read on the window's thread only
        Outcome<Result> outcome;
    };
    auto job = std::make_shared<Job>(Job{std::move(work), std::move(done), receiver, {}});
    backgroundThreads().start([job] {
        try {
            job->outcome.succeed(job->work());
        } catch (...) {
            job->outcome.fail(std::current_exception());
        }
        // Posted to the application, which outlives every window.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [job] {
                if (job->receiver)
                    job->done(std::move(job->outcome));
            },
            Qt::QueuedConnection);
    });
}

} // namespace modcol

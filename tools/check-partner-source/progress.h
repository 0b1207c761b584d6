#pragma once

#include <QElapsedTimer>
#include <QFuture>
#include <QString>
#include <QThread>

namespace partnercheck {

// A line on standard error now and then while long work goes on, so that a
// check of a large catalogue never looks stuck. Quiet for work that ends
// within the first interval.
class Progress
{
public:
    Progress();

    // `done` of `total` units of the step called `what`.
    void report(const QString &what, qint64 done, qint64 total);

    // Waits for work running on every core, reporting how far it got, and
    // returns its results.
    template <typename T>
    QList<T> follow(QFuture<T> future, const QString &what)
    {
        while (!future.isFinished()) {
            report(what, future.progressValue(), future.progressMaximum());
            QThread::msleep(100);
        }
        return future.results();
    }

private:
    QElapsedTimer m_clock;
    qint64 m_nextLine;
};

} // namespace partnercheck

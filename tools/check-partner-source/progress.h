#pragma once

#include <QElapsedTimer>
#include <QString>

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

private:
    QElapsedTimer m_clock;
    qint64 m_nextLine;
};

} // namespace partnercheck

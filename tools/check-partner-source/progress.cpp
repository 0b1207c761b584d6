#include "progress.h"

#include <cstdio>

namespace partnercheck {
namespace {

constexpr qint64 IntervalMs = 2000;

} // namespace

Progress::Progress()
    : m_nextLine(IntervalMs)
{
    m_clock.start();
}

void Progress::report(const QString &what, qint64 done, qint64 total)
{
    if (m_clock.elapsed() < m_nextLine)
        return;
    m_nextLine = m_clock.elapsed() + IntervalMs;
    const qint64 percent = total > 0 ? done * 100 / total : 100;
    std::fprintf(stderr, "%s: %lld de %lld (%lld %%)\n", qPrintable(what), static_cast<long long>(done),
                 static_cast<long long>(total), static_cast<long long>(percent));
    std::fflush(stderr);
}

} // namespace partnercheck

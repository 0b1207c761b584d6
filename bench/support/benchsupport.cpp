#include "benchsupport.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "demofolder/demofolder.h"

namespace benchsupport {

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void exportTables(const QString &mdbFile, const QStringList &tables)
{
    for (const QString &table : tables) {
        QProcess exporter;
        exporter.setStandardOutputFile(QProcess::nullDevice());
        exporter.start(QStringLiteral("mdb-export"), {mdbFile, table});
        exporter.waitForFinished(-1);
    }
}

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(msSince(timer));
    }
    return median(times);
}

DemoFolders demoFolders(int argc, char *argv[], const QTemporaryDir &scratch, int bigOffers)
{
    if (argc > 2)
        return {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const DemoFolders folders{scratch.filePath(QStringLiteral("big")), scratch.filePath(QStringLiteral("small"))};
    std::printf("making the demo folders (%d and 200 offers, 10 photos each)...\n", bigOffers);
    std::fflush(stdout);
    demofolder::makeDemoFolder(folders.big, {bigOffers, 10, 1});
    demofolder::makeDemoFolder(folders.small, {200, 10, 1});
    return folders;
}

void printRatioHeader()
{
    std::printf("%-60s %8s %10s %7s %7s\n", "medians", "ms", "baseline", "ratio", "target");
}

void printRatio(const char *what, double ms, double baseline, const char *target)
{
    std::printf("%-60s %8.2f %10.2f %7.2f %7s\n", what, ms, baseline, ms / baseline, target);
}

} // namespace benchsupport

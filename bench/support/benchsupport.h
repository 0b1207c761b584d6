#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

class QElapsedTimer;
class QTemporaryDir;

// What the benchmarks share: timing, the demo folders they measure, and
// their lines of figures.
namespace benchsupport {

// Milliseconds since `timer` started.
double msSince(const QElapsedTimer &timer);

// The median of some times.
double median(std::vector<double> times);

// Median wall time of `runs` runs of `work`, in milliseconds.
double medianMs(int runs, const std::function<void()> &work);

// The folders with `bigOffers` and with 200 offers: the program's two
// arguments, or made by make-demo-cd's code below `scratch` (10 photos
// an offer) when it was given fewer.
struct DemoFolders
{
    QString big;
    QString small;
};
DemoFolders demoFolders(int argc, char *argv[], const QTemporaryDir &scratch, int bigOffers = 20000);

// Runs mdb-export over each of `tables` of the catalogue `mdbFile`, its
// output thrown away: the baseline of reading those tables.
void exportTables(const QString &mdbFile, const QStringList &tables);

// A table of figures against their baselines: the header, then a line each.
void printRatioHeader();
void printRatio(const char *what, double ms, double baseline, const char *target);

} // namespace benchsupport

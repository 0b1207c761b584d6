// The results window from start to the first page on a large catalogue
// against a small one, each the median of three runs of the program's own
// start-up in a process of its own:
//   - start to the window's first frame (target: ratio <= 1.5);
//   - start to the lists filled, against mdb-export of the tables the
//     lists read, measured in the same run (target: ratio <= 1);
//   - "Buscar" to page 1 drawn, once the catalogue is there (target: <= 2);
//   - peak memory (target: under 150 MiB at 100,000 offers);
//   - the end of the run, from Escape to the process gone (target: under
//     300 ms), pressed as soon as the window shows (while the catalogue
//     loads) and after a search.
//
//   bench_startup [BIG SMALL]   folders made by make-demo-cd; without them
//                               100,000 and 200 offers with 10 photos each
//                               are generated in a temporary folder (half a
//                               minute, about 1,100,000 files).
//   bench_startup --run FOLDER MODE   one run, as the above starts it.

#include <cstdio>
#include <map>
#include <vector>

#include <sys/resource.h>

#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "benchsupport.h"
#include "results/frmresul.h"
#include "startup/modcol.h"
#include "startup/offthread.h"

using benchsupport::median;
using benchsupport::msSince;

namespace {

constexpr int Runs = 3;

// One run prints its figures a line each: "name value".
void print(const char *name, double value)
{
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Fires `then` once when `widget` is next painted.
void onNextPaint(QWidget *widget, std::function<void()> then)
{
    struct Watcher : QObject
    {
        std::function<void()> then;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && then) {
                auto fire = std::move(then);
                then = nullptr;
                fire();
                deleteLater();
            }
            return false;
        }
    };
    auto *watcher = new Watcher;
    watcher->then = std::move(then);
    widget->installEventFilter(watcher);
}

// One run of the program's start on `folder`. Mode "quit-early" presses
// Escape as soon as the window is on screen; "search" searches once the
// catalogue is there, then presses Escape.
int runOnce(int argc, char *argv[], QElapsedTimer &sinceStart)
{
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const bool quitEarly = QByteArray(argv[3]) == "quit-early";
    modcol::startRun(folder);
    results::frmresul window;
    const auto quit = [&] {
        print("quit", msSince(sinceStart));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window, &escape);
    };
    onNextPaint(&window, [&] {
        print("firstFrame", msSince(sinceStart));
        if (quitEarly)
            QTimer::singleShot(0, &window, quit);
    });
    auto *types = window.findChild<QComboBox *>(QStringLiteral("cbtipo"));
    QTimer listsWatch;
    QObject::connect(&listsWatch, &QTimer::timeout, [&] {
        if (types->count() > 0) {
            listsWatch.stop();
            print("listsFilled", msSince(sinceStart));
        }
    });
    listsWatch.start(1);
    QObject::connect(&window, &results::frmresul::catalogueReady, [&] {
        QElapsedTimer search;
        search.start();
        onNextPaint(&window, [&, search] {
            print("searchShown", msSince(search));
            print("peakMiB", peakMiB());
            QTimer::singleShot(0, &window, quit);
        });
        window.findChild<QPushButton *>(QStringLiteral("botbuscar"))->click();
    });
    window.show();
    return modcol::endRun(app.exec());
}

// Runs this program once with `--run folder mode`; its figures, and the
// time from its "quit" line to its end.
std::map<QString, double> runChild(const QString &folder, const char *mode)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--run"), folder, QLatin1String(mode)});
    std::map<QString, double> figures;
    QElapsedTimer sinceQuit;
    while (child.state() != QProcess::NotRunning) {
        child.waitForReadyRead(50);
        while (child.canReadLine()) {
            const QStringList words = QString::fromUtf8(child.readLine()).split(u' ');
            if (words.size() != 2)
                continue;
            figures[words[0]] = words[1].toDouble();
            if (words[0] == QLatin1String("quit"))
                sinceQuit.start();
        }
    }
    child.waitForFinished();
    figures[QStringLiteral("quitting")] = sinceQuit.isValid() ? msSince(sinceQuit) : -1;
    return figures;
}

// The median of each figure over the runs.
std::map<QString, double> medians(const QString &folder, const char *mode)
{
    std::map<QString, std::vector<double>> runs;
    for (int i = 0; i < Runs; ++i) {
        for (const auto &[name, value] : runChild(folder, mode))
            runs[name].push_back(value);
    }
    std::map<QString, double> result;
    for (const auto &[name, values] : runs)
        result[name] = median(values);
    return result;
}

double exportLists(const QString &folder)
{
    return benchsupport::medianMs(Runs, [&] {
        benchsupport::exportTables(folder + QStringLiteral("/brezomar.mdb"),
                                   {QStringLiteral("ofertas"), QStringLiteral("ciudad"), QStringLiteral("tipo"),
                                    QStringLiteral("zonas")});
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (argc == 4 && QByteArray(argv[1]) == "--run")
        return runOnce(argc, argv, sinceStart);

    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const benchsupport::DemoFolders folders = benchsupport::demoFolders(argc, argv, scratch, 100000);
    auto big = medians(folders.big, "search");
    auto small = medians(folders.small, "search");
    auto bigEarly = medians(folders.big, "quit-early");
    const double lists = exportLists(folders.big);

    benchsupport::printRatioHeader();
    using benchsupport::printRatio;
    printRatio("start to the first frame, large against small", big["firstFrame"], small["firstFrame"], "<= 1.5");
    printRatio("start to the lists filled, large against mdb-export of their tables", big["listsFilled"], lists,
               "<= 1");
    printRatio("\"Buscar\" to page 1 drawn, large against small", big["searchShown"], small["searchShown"], "<= 2");
    printRatio("peak memory (MiB), large against small", big["peakMiB"], small["peakMiB"], "< 150");
    printRatio("Escape to the end, large after a search, against small", big["quitting"], small["quitting"], "< 300");
    printRatio("Escape to the end, large while loading, against small", bigEarly["quitting"], small["quitting"],
               "< 300");
    return 0;
}

// Figures of one result page of the results window, each set against a
// baseline measured in the same run:
//   - a page change on the 20,000-offer catalogue (the search's offers, then
//     twelve cells with their photo statements, look-ups and thumbnails)
//     against decoding the same twelve thumbnail files alone at cell size
//     (target: ratio <= 1.25);
//   - the same page change on the 20,000-offer catalogue against one on a
//     200-offer catalogue (target: ratio <= 1.2);
//   - a new search ("Buscar": the search statement and the first page),
//     which runs the statement, on both catalogues.
//
//   bench_results [BIG SMALL]   folders made by make-demo-cd (BIG with
//                               20,000 offers, SMALL with 200); without
//                               them both are generated in a temporary folder.

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>

#include "benchsupport.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "results/filterclauses.h"
#include "results/frmresul.h"
#include "results/thumbnail.h"
#include "startup/cataloguepaths.h"
#include "startup/modcol.h"
#include "startup/statements.h"

namespace {

constexpr int Runs = 45;
constexpr int PagesVisited = 15;

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The thumbnail files that page `page` (1-based) shows, found as the cells
// find them.
QStringList thumbnailsOfPage(int page)
{
    const auto rs = modcol::BaseDatos->OpenRecordset(modcol::searchStatement(results::filterClauses({}, true)));
    rs->Move((page - 1) * 12);
    QStringList files;
    for (int c = 0; c < 12 && !rs->Eof(); ++c, rs->MoveNext()) {
        const QString key = catalogue::numberAsText(rs->Fields(0).Value);
        const auto photo = modcol::BaseDatos->OpenRecordset(modcol::firstPhotoStatement(key.toInt()));
        if (!photo->Eof())
            files << results::thumbnailFile(modcol::baseFolders(), key, photo->Fields(0).Value.toString());
    }
    return files;
}

struct Figures
{
    double page;      // ms, median
    double decodes;   // ms, median
    double newSearch; // ms, median
};

// Median times of pages 2 to PagesVisited + 1 of all offers, each shown
// several times through the scroll bar, of decoding each page's thumbnails
// alone, and of a new search.
Figures measure(const QString &folder)
{
    modcol::RutaApp = folder + QLatin1Char('/');
    modcol::RutaBd.clear();
    modcol::RutaTemp = folder + QStringLiteral("/brezomar.mdb");
    modcol::BaseDatos.reset();
    modcol::prepareFolderLookups(modcol::baseFolders());

    results::frmresul window;
    window.show();
    const auto *tipos = window.findChild<QComboBox *>(QStringLiteral("cbtipo"));
    while (tipos->count() == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    window.findChild<QWidget *>(QStringLiteral("botbuscar"))->setFocus();
    auto *barra = window.findChild<QScrollBar *>(QStringLiteral("barra"));
    auto *buscar = window.findChild<QWidget *>(QStringLiteral("botbuscar"));
    // The first search loads the photos' table; that is the first page's
    // business, not every page's.
    QMetaObject::invokeMethod(buscar, "click");
    std::vector<double> searches;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        QMetaObject::invokeMethod(buscar, "click");
        searches.push_back(msSince(timer));
    }
    const QSize cell = window.findChild<QLabel *>(QStringLiteral("imagen0"))->size();

    std::vector<double> pages;
    std::vector<double> decodes;
    for (int run = 0; run < Runs; ++run) {
        const int page = 2 + run % PagesVisited;
        QElapsedTimer timer;
        timer.start();
        barra->setValue(page);
        pages.push_back(msSince(timer));

        const QStringList files = thumbnailsOfPage(page);
        timer.restart();
        for (const QString &file : files)
            results::decodeToBox(file, cell);
        decodes.push_back(msSince(timer));
    }
    return {median(pages), median(decodes), median(searches)};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const benchsupport::DemoFolders folders = benchsupport::demoFolders(argc, argv, scratch);
    const Figures onBig = measure(folders.big);
    const Figures onSmall = measure(folders.small);
    benchsupport::printRatioHeader();
    benchsupport::printRatio("page change, 20,000 offers / its thumbnails decoded alone", onBig.page, onBig.decodes, "1.25");
    benchsupport::printRatio("page change, 200 offers / its thumbnails decoded alone", onSmall.page, onSmall.decodes, "1.25");
    benchsupport::printRatio("page change, 20,000 offers / 200 offers", onBig.page, onSmall.page, "1.2");
    benchsupport::printRatio("new search, 20,000 offers / 200 offers", onBig.newSearch, onSmall.newSearch, "-");
    return 0;
}

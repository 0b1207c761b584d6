// Figures of one result page of the results window, each set against a
// baseline measured in the same run:
//   - a page change on the 20,000-offer catalogue, until its twelve
//     thumbnails have arrived (the search's offers, twelve cells with their
//     photo statements and look-ups, the decodes off the window's thread)
//     against decoding the same twelve thumbnail files alone at cell size
//     (target: ratio <= 1.25);
//   - the same page change on the 20,000-offer catalogue against one on a
//     200-offer catalogue (target: ratio <= 1.2);
//   - going back to the page just left (its thumbnails cached) against the
//     page change;
//   - a new search ("Buscar": the search statement and the first page),
//     which runs the statement, on both catalogues;
//   - the longest time the window's thread goes without handling an event
//     while a page of twelve PNGs declaring 20000 x 20000 pixels loads,
//     against the same for an ordinary page (target: ratio <= 1.25), and
//     what one such PNG costs to decode whole.
//
//   bench_results [BIG SMALL]   folders made by make-demo-cd (BIG with
//                               20,000 offers, SMALL with 200); without
//                               them both are generated in a temporary folder.
//                               The huge PNGs are made in a temporary folder
//                               (seconds) and used as the second base
//                               folder's thumbnails; BIG is never changed.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLoggingCategory>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "benchsupport.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "hostilepictures.h"
#include "results/filterclauses.h"
#include "results/frmresul.h"
#include "results/thumbnail.h"
#include "startup/cataloguepaths.h"
#include "startup/modcol.h"
#include "startup/picture.h"
#include "startup/picturecache.h"
#include "startup/pictureloader.h"
#include "startup/statements.h"

using benchsupport::median;
using benchsupport::msSince;

namespace {

constexpr int Runs = 45;
constexpr int PagesVisited = 15;
constexpr int HugePage = 40; // far from the pages visited, never cached
const QSize HugeSize(20000, 20000);

// The offers' keys and the thumbnail files that page `page` (1-based)
// shows, found as the cells find them.
struct PageFiles
{
    QStringList keys;
    QStringList thumbnails;
};

PageFiles filesOfPage(int page)
{
    const auto rs = modcol::BaseDatos->OpenRecordset(modcol::searchStatement(results::filterClauses({}, true)));
    rs->Move((page - 1) * 12);
    PageFiles files;
    for (int c = 0; c < 12 && !rs->Eof(); ++c, rs->MoveNext()) {
        const QString key = catalogue::numberAsText(rs->Fields(0).Value);
        files.keys << key;
        const auto photo = modcol::BaseDatos->OpenRecordset(modcol::firstPhotoStatement(key.toInt()));
        if (!photo->Eof())
            files.thumbnails << results::thumbnailFile(modcol::baseFolders(), key, photo->Fields(0).Value.toString());
    }
    return files;
}

// The results window on `folder` (and `bd` as the second base folder), its
// lists filled and its first search made.
class OpenWindow
{
public:
    OpenWindow(const QString &folder, const QString &bd)
    {
        modcol::RutaApp = folder + QLatin1Char('/');
        modcol::RutaBd = bd.isEmpty() ? QString() : bd + QLatin1Char('/');
        modcol::RutaTemp = folder + QStringLiteral("/brezomar.mdb");
        modcol::BaseDatos.reset();
        modcol::prepareFolderLookups(modcol::baseFolders());
        window.show();
        const auto *tipos = window.findChild<QComboBox *>(QStringLiteral("cbtipo"));
        while (tipos->count() == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        buscar = window.findChild<QWidget *>(QStringLiteral("botbuscar"));
        buscar->setFocus();
        barra = window.findChild<QScrollBar *>(QStringLiteral("barra"));
        loader = window.findChild<modcol::PictureLoader *>();
        // The first search loads the photos' table; that is the first
        // page's business, not every page's.
        search();
    }

    void search()
    {
        QMetaObject::invokeMethod(buscar, "click");
        waitForPictures();
    }

    // Shows `page` and waits until its thumbnails have arrived.
    void showPage(int page)
    {
        barra->setValue(page);
        waitForPictures();
    }

    void waitForPictures()
    {
        while (loader->outstanding() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }

    // The cells' pixel size, as the page asks its thumbnails decoded.
    QSize cell() const
    {
        const auto *imagen = window.findChild<QLabel *>(QStringLiteral("imagen0"));
        return imagen->size() * imagen->devicePixelRatioF();
    }

    results::frmresul window;
    QWidget *buscar = nullptr;
    QScrollBar *barra = nullptr;
    modcol::PictureLoader *loader = nullptr;
};

double decodeAlone(const QStringList &files, const QSize &cell)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString &file : files)
        modcol::decodePicture(file, cell, modcol::PictureFit::Stretch);
    return msSince(timer);
}

struct Figures
{
    double page;      // ms, median, until its thumbnails have arrived
    double decodes;   // ms, median
    double back;      // ms, median, to the page just left
    double newSearch; // ms, median
};

// Median times of pages 2 to PagesVisited + 1 of all offers, each shown
// several times through the scroll bar with nothing of it cached, of
// decoding each page's thumbnails alone, of going back to the page before
// (cached), and of a new search.
Figures measure(const QString &folder)
{
    OpenWindow open(folder, QString());
    std::vector<double> searches;
    for (int run = 0; run < 9; ++run) {
        modcol::PictureCache::shared().clear();
        QElapsedTimer timer;
        timer.start();
        open.search();
        searches.push_back(msSince(timer));
    }

    // Each run starts on another page than the one it shows first.
    open.showPage(PagesVisited + 2);
    std::vector<double> pages;
    std::vector<double> backs;
    std::vector<double> decodes;
    for (int run = 0; run < Runs; ++run) {
        const int page = 2 + run % PagesVisited;
        modcol::PictureCache::shared().clear();
        open.showPage(page - 1);
        QElapsedTimer timer;
        timer.start();
        open.showPage(page);
        pages.push_back(msSince(timer));
        timer.restart();
        open.showPage(page - 1);
        backs.push_back(msSince(timer));
        decodes.push_back(decodeAlone(filesOfPage(page).thumbnails, open.cell()));
    }
    return {median(pages), median(decodes), median(backs), median(searches)};
}

// The longest time, in ms, the window's thread went without handling an
// event (a 5 ms timer's ticks) while `page` was shown and its thumbnails
// arrived.
double longestGap(OpenWindow &open, int page)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start(5);
    bool shown = false;
    QTimer::singleShot(20, [&] {
        open.barra->setValue(page);
        shown = true;
    });
    while (!shown || open.loader->outstanding() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // A tick after the last picture closes the last gap.
    const qint64 done = clock.nsecsElapsed();
    while (last < done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return double(longest) / 1e6;
}

struct Responsiveness
{
    double hugeGap;     // ms, worst of the runs
    double ordinaryGap; // ms, worst of the runs
    double hugeDecode;  // ms, one huge PNG decoded whole for a cell
    double cellDecode;  // ms, one ordinary thumbnail
};

// A page whose twelve thumbnails are PNGs declaring 20000 x 20000 pixels,
// put in the second base folder's "colimg" where they come first.
Responsiveness measureResponsiveness(const QString &folder, const QString &scratch)
{
    const QString bd = scratch + QStringLiteral("/bd");
    QDir().mkpath(bd + QStringLiteral("/colimg"));
    const QString huge = scratch + QStringLiteral("/huge.png");
    testsupport::writeBlackPng(huge, HugeSize);

    OpenWindow open(folder, bd);
    for (const QString &key : filesOfPage(HugePage).keys)
        QFile::copy(huge, bd + QStringLiteral("/colimg/") + key + QStringLiteral("cd.png"));

    Responsiveness figures{0, 0, 0, 0};
    for (int run = 0; run < 5; ++run) {
        modcol::PictureCache::shared().clear();
        open.showPage(HugePage - 2);
        figures.ordinaryGap = std::max(figures.ordinaryGap, longestGap(open, HugePage - 1));
        figures.hugeGap = std::max(figures.hugeGap, longestGap(open, HugePage));
    }
    const QSize cell = open.cell();
    figures.cellDecode = decodeAlone(filesOfPage(HugePage - 1).thumbnails, cell) / 12;
    // What each cell of that page cost before the budget: the file inflated whole.
    QElapsedTimer timer;
    timer.start();
    QImageReader reader(huge);
    reader.setScaledSize(cell);
    reader.read();
    figures.hugeDecode = msSince(timer);
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    modcol::limitPictureAllocations();
    // The huge pictures' refusals are expected here.
    QLoggingCategory::setFilterRules(QStringLiteral("colaborador.startup.warning=false"));
    QTemporaryDir scratch;
    const benchsupport::DemoFolders folders = benchsupport::demoFolders(argc, argv, scratch);
    const Figures onBig = measure(folders.big);
    const Figures onSmall = measure(folders.small);
    std::printf("making a page of PNGs declaring %d x %d pixels...\n", HugeSize.width(), HugeSize.height());
    std::fflush(stdout);
    const Responsiveness gaps = measureResponsiveness(folders.big, scratch.path());
    benchsupport::printRatioHeader();
    benchsupport::printRatio("page change, 20,000 offers / its thumbnails decoded alone", onBig.page, onBig.decodes, "1.25");
    benchsupport::printRatio("page change, 200 offers / its thumbnails decoded alone", onSmall.page, onSmall.decodes, "1.25");
    benchsupport::printRatio("page change, 20,000 offers / 200 offers", onBig.page, onSmall.page, "1.2");
    benchsupport::printRatio("back to the page left (cached) / page change, 20,000", onBig.back, onBig.page, "-");
    benchsupport::printRatio("new search, 20,000 offers / 200 offers", onBig.newSearch, onSmall.newSearch, "-");
    benchsupport::printRatio("longest gap between events, huge PNGs / ordinary page", gaps.hugeGap, gaps.ordinaryGap, "1.25");
    benchsupport::printRatio("one huge PNG inflated whole (before) / one thumbnail", gaps.hugeDecode, gaps.cellDecode, "-");
    return 0;
}

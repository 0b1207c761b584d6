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
//   - a page whose twelve thumbnails include three hostile ones refused by
//     their headers (a progressive JPEG declaring 20000 x 20000 pixels, an
//     RLE BMP and an RGBA PNG of 16 bits declaring 7000 x 7000), then also
//     two baseline JPEGs declaring 44000 x 44000 (each decoded for most of a
//     second within the budget), against the same page as it is: the
//     time until its seven ordinary thumbnails are shown (the slow ones go
//     last; target: ratios <= 1.25), and the longest time the window's
//     thread goes without handling an event, the median of the runs (target:
//     ratio <= 1.25 with the refused ones; decodes that keep the cores busy
//     for a second compete with the window on a loaded machine); and what
//     the progressive JPEG costs to decode, as it did before the budget.
//
//   bench_results [BIG SMALL]   folders made by make-demo-cd (BIG with
//                               20,000 offers, SMALL with 200); without
//                               them both are generated in a temporary folder.
//                               The hostile pictures are made in a temporary
//                               folder and used as the second base folder's
//                               thumbnails; BIG is never changed.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QBuffer>
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
#include "filelookup/cataloguepaths.h"
#include "hostilepictures.h"
#include "pictures/picture.h"
#include "pictures/picturecache.h"
#include "pictures/pictureloader.h"
#include "results/filterclauses.h"
#include "results/frmresul.h"
#include "results/thumbnail.h"
#include "startup/modcol.h"
#include "statements/statements.h"

using benchsupport::median;
using benchsupport::msSince;

namespace {

constexpr int Runs = 45;
constexpr int PagesVisited = 15;
constexpr int HostilePage = 40; // far from the pages visited, never cached

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
            files.thumbnails << results::thumbnailFile(modcol::baseFolders(), key.toInt(), photo->Fields(0).Value.toString());
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
        loader = window.findChild<QWidget *>(QStringLiteral("resultGrid"))->findChild<modcol::PictureLoader *>();
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

// What showing a page did: the longest time, in ms, the window's thread
// went without handling an event (a 5 ms timer's ticks) until all its
// thumbnails had arrived or been refused, and the time until the cells
// `ordinary` showed theirs.
struct PageResponse
{
    double longestGap;
    double ordinaryShown;
};

PageResponse showAndWatch(OpenWindow &open, int page, const QList<int> &ordinary)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    qint64 ordinaryShown = -1;
    const auto allShown = [&] {
        return std::all_of(ordinary.cbegin(), ordinary.cend(), [&](int cell) {
            return !open.window.findChild<QLabel *>(QStringLiteral("imagen%1").arg(cell))->pixmap().isNull();
        });
    };
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    QTimer::singleShot(20, [&] {
        clock.start();
        tick.start(5);
        open.barra->setValue(page);
    });
    while (!clock.isValid() || open.loader->outstanding() > 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (clock.isValid() && ordinaryShown < 0 && allShown())
            ordinaryShown = clock.nsecsElapsed();
    }
    // A tick after the last picture closes the last gap. A cell that got
    // no picture counts as shown once everything has arrived.
    const qint64 done = clock.nsecsElapsed();
    if (ordinaryShown < 0)
        ordinaryShown = done;
    while (last < done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return {double(longest) / 1e6, double(ordinaryShown) / 1e6};
}

// The thumbnails of five of a page's twelve offers replaced by what a
// hostile catalogue may hold, written in the second base folder's "colimg",
// where they come first: three refused by their headers, and two that are
// each decoded for most of a second, then refused as damaged.
class HostileThumbnails
{
public:
    static constexpr int Cells[] = {0, 5, 6, 3, 9}; // refused, then slow

    // `bd` is the second base folder.
    HostileThumbnails(const QString &bd, const QStringList &keys)
        : m_colimg(bd + QStringLiteral("/colimg"))
    {
        QDir().mkpath(m_colimg);
        const QByteArray slow = testsupport::jpegDeclaring(QSize(44000, 44000), false);
        m_files = {
            {keys[Cells[0]] + QStringLiteral("cd.jpg"), progressive()},
            {keys[Cells[1]] + QStringLiteral("cd.bmp"), testsupport::rleBmp(QSize(7000, 7000), {qRgb(0, 0, 0)}, QByteArray("\x00\x01", 2))},
            {keys[Cells[2]] + QStringLiteral("cd.png"), testsupport::pngDeclaring(QSize(7000, 7000), 16, 6)},
            {keys[Cells[3]] + QStringLiteral("cd.jpg"), slow},
            {keys[Cells[4]] + QStringLiteral("cd.jpg"), slow},
        };
    }

    static QByteArray progressive() { return testsupport::jpegDeclaring(QSize(20000, 20000), true); }

    // The refused ones, and the slow ones too.
    void plant(bool slow) const
    {
        for (std::size_t i = 0; i < m_files.size() - (slow ? 0 : 2); ++i) {
            QFile file(m_colimg + QLatin1Char('/') + m_files[i].first);
            if (file.open(QIODevice::WriteOnly))
                file.write(m_files[i].second);
        }
    }

    void remove() const
    {
        for (const auto &[name, bytes] : m_files)
            QFile::remove(m_colimg + QLatin1Char('/') + name);
    }

private:
    QString m_colimg;
    std::vector<std::pair<QString, QByteArray>> m_files;
};

// The page as it is, with the refused thumbnails, and with the slow ones too.
enum Page { Ordinary, Refused, Slow, Pages };

struct Responsiveness
{
    double gap[Pages];      // ms, median of the runs' longest gaps
    double shown[Pages];    // ms, median, until the seven ordinary thumbnails are shown
    double hostileDecode;   // ms, the progressive JPEG decoded by Qt for a cell, without the budget
    double thumbnailDecode; // ms, one ordinary thumbnail
};

// One page of the catalogue shown as it is and with hostile thumbnails
// beside seven ordinary ones, in turns, nothing of it cached.
Responsiveness measureResponsiveness(const QString &folder, const QString &scratch)
{
    const QString bd = scratch + QStringLiteral("/bd");
    OpenWindow open(folder, bd);
    const HostileThumbnails hostile(bd, filesOfPage(HostilePage).keys);
    QList<int> ordinary;
    for (int cell = 0; cell < 12; ++cell) {
        if (std::find(std::begin(HostileThumbnails::Cells), std::end(HostileThumbnails::Cells), cell) == std::end(HostileThumbnails::Cells))
            ordinary << cell;
    }
    Responsiveness figures{};
    std::vector<double> gaps[Pages];
    std::vector<double> shown[Pages];
    for (int run = 0; run < 9; ++run) {
        for (const Page page : {Ordinary, Refused, Slow}) {
            if (page != Ordinary)
                hostile.plant(page == Slow);
            modcol::PictureCache::shared().clear();
            open.showPage(HostilePage - 1);
            const PageResponse response = showAndWatch(open, HostilePage, ordinary);
            gaps[page].push_back(response.longestGap);
            shown[page].push_back(response.ordinaryShown);
            hostile.remove();
        }
    }
    for (const Page page : {Ordinary, Refused, Slow}) {
        figures.gap[page] = median(gaps[page]);
        figures.shown[page] = median(shown[page]);
    }
    const QSize cell = open.cell();
    figures.thumbnailDecode = decodeAlone(filesOfPage(HostilePage).thumbnails, cell) / 12;
    // What that cell cost before the budget: every coefficient of the file kept.
    QByteArray progressive = HostileThumbnails::progressive();
    QBuffer file(&progressive);
    file.open(QIODevice::ReadOnly);
    QElapsedTimer timer;
    timer.start();
    QImageReader reader(&file);
    reader.setScaledSize(cell);
    reader.read();
    figures.hostileDecode = msSince(timer);
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
    QLoggingCategory::setFilterRules(QStringLiteral("colaborador.pictures.warning=false"));
    QTemporaryDir scratch;
    const benchsupport::DemoFolders folders = benchsupport::demoFolders(argc, argv, scratch);
    const Figures onBig = measure(folders.big);
    const Figures onSmall = measure(folders.small);
    const Responsiveness hostile = measureResponsiveness(folders.big, scratch.path());
    benchsupport::printRatioHeader();
    benchsupport::printRatio("page change, 20,000 offers / its thumbnails decoded alone", onBig.page, onBig.decodes, "1.25");
    benchsupport::printRatio("page change, 200 offers / its thumbnails decoded alone", onSmall.page, onSmall.decodes, "1.25");
    benchsupport::printRatio("page change, 20,000 offers / 200 offers", onBig.page, onSmall.page, "1.2");
    benchsupport::printRatio("back to the page left (cached) / page change, 20,000", onBig.back, onBig.page, "-");
    benchsupport::printRatio("new search, 20,000 offers / 200 offers", onBig.newSearch, onSmall.newSearch, "-");
    benchsupport::printRatio("longest gap between events, refused pictures / ordinary page", hostile.gap[Refused], hostile.gap[Ordinary], "1.25");
    benchsupport::printRatio("  the same, two also decoded for ~1 s / ordinary page", hostile.gap[Slow], hostile.gap[Ordinary], "-");
    benchsupport::printRatio("ordinary thumbnails shown, refused pictures / ordinary page", hostile.shown[Refused], hostile.shown[Ordinary], "1.25");
    benchsupport::printRatio("  the same, two also decoded for ~1 s / ordinary page", hostile.shown[Slow], hostile.shown[Ordinary], "1.25");
    benchsupport::printRatio("the progressive JPEG decoded (before) / one thumbnail", hostile.hostileDecode, hostile.thumbnailDecode, "-");
    return 0;
}

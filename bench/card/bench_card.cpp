// Figures of the record card, each set against a baseline measured in the
// same run:
//   - opening the card on a search of all offers (the card's statement,
//     its record set, the first fill, the qualities and the photo list)
//     against the engine counting the card statement's rows (target: ratio
//     <= 2), on the 20,000-offer catalogue and on the 200-offer one;
//   - opening the card from a result cell, on the keys the result pages
//     hold, on the large catalogue against the small one (target: ratio
//     <= 3);
//   - a step of the "Fichas" navigator (move, every box, the qualities, the
//     photo list) on 20,000 offers against the same step on 200 (target:
//     under 5 ms, ratio <= 1.2);
//   - three quick moves of the "Fotos" navigator: the photos decoded, and
//     at which size against the box's.
//
//   bench_card [BIG SMALL]   folders made by make-demo-cd (BIG with many
//                            offers, SMALL with 200); without them 20,000 and
//                            200 offers are generated in a temporary folder.

#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "benchsupport.h"
#include "card/frmficha.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "pictures/pictureloader.h"
#include "startup/modcol.h"
#include "statements/statements.h"

using benchsupport::medianMs;
using benchsupport::printRatio;

namespace {

const QString AllOffers = QStringLiteral(" ");

// The card's offers reduced to counting them.
QString countStatement()
{
    const QString card = modcol::cardOffersStatement(AllOffers);
    const qsizetype from = card.indexOf(QStringLiteral(" FROM "));
    const qsizetype order = card.lastIndexOf(QStringLiteral(" order by "));
    return QStringLiteral("SELECT count(*)") + card.mid(from, order - from);
}

QToolButton *button(const card::frmficha &ficha, const char *navigator, const char *name)
{
    return ficha.findChild<QWidget *>(QLatin1String(navigator))->findChild<QToolButton *>(QLatin1String(name));
}

struct Figures
{
    int offers;
    double count;     // ms, median: the engine counting the card's rows
    double statement; // ms, median: the card's statement and record set alone
    double opening;   // ms, median: showOffers on a fresh card
    double fromCell;  // ms, median: the same on the result pages' keys
    double step;      // ms, median: one "Fichas" step
    int decodes;      // photos decoded after three quick "Fotos" moves
    QSize decoded;    // the decoded photo's size
    QSize box;        // the picture box's size
};

Figures measure(const QString &folder)
{
    modcol::RutaApp = folder + QLatin1Char('/');
    modcol::RutaBd.clear();
    modcol::RutaTemp = folder + QStringLiteral("/brezomar.mdb");
    modcol::BaseDatos.reset();
    modcol::AbreBaseDatos();
    modcol::prepareFolderLookups(modcol::baseFolders());

    Figures figures{};
    // The tables are loaded by the results window before any card opens.
    int middleKey = 0;
    {
        const auto rs = modcol::BaseDatos->OpenRecordset(modcol::cardOffersStatement(AllOffers));
        figures.offers = rs->RecordCount();
        rs->Move(figures.offers / 2);
        middleKey = rs->Fields(0).Value.toInt();
        modcol::BaseDatos->OpenRecordset(modcol::qualitiesStatement());
        modcol::BaseDatos->OpenRecordset(modcol::cardPhotosStatement(middleKey));
    }
    figures.count = medianMs(15, [] { modcol::BaseDatos->OpenRecordset(countStatement()); });
    figures.statement = medianMs(15, [] { modcol::BaseDatos->OpenRecordset(modcol::cardOffersStatement(AllOffers)); });

    std::vector<double> openings;
    for (int run = 0; run < 15; ++run) {
        card::frmficha ficha(nullptr);
        QElapsedTimer timer;
        timer.start();
        ficha.showOffers(AllOffers, middleKey);
        openings.push_back(benchsupport::msSince(timer));
    }
    figures.opening = benchsupport::median(openings);

    // The result pages hold their search's offers, counted, and hand the
    // card a clone of them.
    const auto search = modcol::BaseDatos->OpenRecordset(modcol::searchStatement(AllOffers));
    search->MoveLast();
    figures.fromCell = medianMs(15, [&] {
        card::frmficha ficha(nullptr);
        ficha.showOffers(AllOffers, middleKey, search->Clone());
    });

    card::frmficha ficha(nullptr);
    ficha.showOffers(AllOffers, 0);
    ficha.show();
    QToolButton *next = button(ficha, "datprincip", "next");
    figures.step = medianMs(150, [next] { next->click(); });

    // Three quick photo moves, then the timer's 300 ms.
    auto *loader = ficha.findChild<modcol::PictureLoader *>();
    auto *photo = ficha.findChild<QLabel *>(QStringLiteral("Image1"));
    figures.box = photo->size();
    QSignalSpy loaded(loader, &modcol::PictureLoader::loaded);
    for (int i = 0; i < 3; ++i)
        button(ficha, "DatImagen", "next")->click();
    QSignalSpy fired(ficha.findChild<QTimer *>(QStringLiteral("Timer1")), &QTimer::timeout);
    fired.wait(1000);
    figures.decodes = loader->outstanding();
    loaded.wait(5000);
    figures.decoded = photo->pixmap().size();
    return figures;
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
    std::printf("offers on the card: %d and %d\n", onBig.offers, onSmall.offers);
    benchsupport::printRatioHeader();
    printRatio("opening, large / counting the card's rows", onBig.opening, onBig.count, "2");
    printRatio("opening, small / counting the card's rows", onSmall.opening, onSmall.count, "2");
    printRatio("  the card's offers alone, large / counting them", onBig.statement, onBig.count, "-");
    printRatio("  the card's offers alone, small / counting them", onSmall.statement, onSmall.count, "-");
    printRatio("opening, large / small", onBig.opening, onSmall.opening, "-");
    printRatio("opening from a result cell, large / small", onBig.fromCell, onSmall.fromCell, "3");
    printRatio("\"Fichas\" step, large / small", onBig.step, onSmall.step, "1.2");
    for (const Figures *f : {&onBig, &onSmall}) {
        std::printf("three quick \"Fotos\" moves, %d offers: %d decode(s), decoded %dx%d in a box of %dx%d\n",
                    f->offers, f->decodes, f->decoded.width(), f->decoded.height(), f->box.width(),
                    f->box.height());
    }
    return 0;
}

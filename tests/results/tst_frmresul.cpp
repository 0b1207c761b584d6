// The results window on a screen of 1024 x 768 pixels: its result pages
// (prices, thumbnails, paging, the card a cell opens, the picture a cell
// chooses), searching and showing again, Escape, "Mas información" and the
// ways the program ends.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "card/frmficha.h"
#include "catalogue/database.h"
#include "partnerfolder.h"
#include "pictures/pictureloader.h"
#include "results/frmresul.h"
#include "results/resultpages.h"
#include "results/searchfilters.h"
#include "results/startpanel.h"
#include "results/thumbnail.h"
#include "startup/modcol.h"
#include "viewer/frmfoto.h"
#include "widgets/clicklabel.h"
#include "widgets/recordnavigator.h"

using namespace testsupport;
using namespace results;

class TestFrmResul : public QObject
{
    Q_OBJECT

public:
    static void initMain() { useScreens({QSize(1024, 768)}); }

private slots:
    void init() { useOffers(consecutiveOffers(3)); }
    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    // Whole euros rounded half to even, grouped; no price is "Consultar";
    // cheapest first, key 0 never.
    void prices()
    {
        useOffers({{5, 300}, {3, 100}, {9, 100}, {4, 0}, {0, 50}, {7, 1234567.6}, {8, 999.5}, {6, 2.5}});
        search();
        QStringList prices;
        for (const QLabel *price : grid().lbprecio) {
            if (price->isVisible())
                prices << price->text();
        }
        QCOMPARE(prices, QStringList({"Consultar", "2 €", "100 €", "100 €", "300 €", "1.000 €", "1.234.568 €"}));
    }

    // A page shows its prices at once and each thumbnail as it is decoded;
    // a page left before its thumbnails came never shows them, on any page,
    // not even in the cell of an offer without photos.
    // Offer k's picture is grey level 7k: a prepared thumbnail in the second
    // base folder for odd keys, the first photo in the program's folder for
    // even ones.
    void thumbnailsArriveForTheirPage()
    {
        QList<Offer> offers = consecutiveOffers(36);
        for (Offer &offer : offers)
            offer.photos = {{QString("fotos\\%1.jpg").arg(offer.cod)}};
        offers[25].photos.clear(); // offer 26, second on page 3
        useOffers(offers);
        for (const Offer &offer : offers) {
            const int level = 7 * offer.cod;
            writePicture(offer.cod % 2 ? QString("%1/colimg/%2cd.jpg").arg(m_folder->bdFolder()).arg(offer.cod)
                                        : QString("%1/fotos/%2.jpg").arg(m_folder->appFolder()).arg(offer.cod),
                         QSize(900, 600), QColor(level, level, level));
        }
        search();
        QCOMPARE(grid().lbprecio[11]->text(), QString("12.000 €"));
        QCOMPARE(cellGreys(), QList<int>(12, -1));
        QTRY_COMPARE(cellGreys(), keysOnPage());

        grid().barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(cellGreys(), QList<int>(12, -1));
        grid().barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTRY_COMPARE(grid().thumbnails->outstanding(), 0);
        QList<int> greys = keysOnPage();
        QCOMPARE(greys.first(), 25);
        greys[1] = -1; // page 2's thumbnail for that cell never shows on offer 26, which has none
        QCOMPARE(cellGreys(), greys);
    }

    // Twelve offers a page, the caption naming the page, the bar only when
    // there is more than one. The page changes when the thumb is let go; a
    // new search starts again at page 1. Filters edited without "Buscar"
    // take effect at the next page change, which then stays within the
    // pages there are. No offer: the plain caption, no bar, no cell.
    void paging()
    {
        useOffers(consecutiveOffers(30));
        QScrollBar *barra = grid().barra;
        searchAndCount();
        QCOMPARE(pageShown(), QString("1 of 3 (bar on 1): 1 2 3 4 5 6 7 8 9 10 11 12"));
        barra->setSliderDown(true);
        barra->setSliderPosition(3);
        QCOMPARE(pageShown(), QString("1 of 3 (bar on 1): 1 2 3 4 5 6 7 8 9 10 11 12"));
        barra->setSliderDown(false);
        QCOMPARE(pageShown(), QString("3 of 3 (bar on 3): 25 26 27 28 29 30"));
        searchAndCount();
        QCOMPARE(barra->value(), 1);

        barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QLineEdit *hasta = filters().txthasta;
        QTest::keyClicks(hasta, "13000");
        barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(pageShown(), QString("2 of 2 (bar on 2): 13"));
        hasta->setText("12000");
        searchAndCount();
        QCOMPARE(pageShown(), QString("1: 1 2 3 4 5 6 7 8 9 10 11 12"));
        hasta->setText("1");
        searchAndCount();
        QCOMPARE(window().windowTitle() + pageShown(), Titulo + ": ");
    }

    // A cell, by its picture or its price, opens the card on its offer with
    // the clauses that found the page on screen, not those of filters
    // edited since. Closing the card shows the page of the offer shown
    // last; a page left on screen is not shown again (its cells keep what
    // they hold).
    void cardFromACell_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("onPrice");
        QTest::addColumn<QString>("desde"); // typed after the search
        QTest::addColumn<int>("nexts");
        QTest::addColumn<int>("page");
        QTest::newRow("to the 25th offer") << 11 << false << "" << 13 << 3;
        QTest::newRow("to the 12th, same page") << 2 << true << "" << 9 << 1;
        QTest::newRow("filters edited since the search") << 2 << false << "20000" << 0 << 1;
    }
    void cardFromACell()
    {
        QFETCH(int, cell);
        QFETCH(bool, onPrice);
        QFETCH(QString, desde);
        QFETCH(int, nexts);
        QFETCH(int, page);
        useOffers(consecutiveOffers(30));
        search();
        QTest::keyClicks(filters().txtdesde, desde);
        QLabel *price = grid().lbprecio[0];
        price->setText("sin volver a mostrar");
        const WhenShown<card::frmficha> driver([&](card::frmficha &ficha) {
            const card::CardControls &controls = ficha.testAccess().controls;
            QCOMPARE(controls.txtcampo[5]->text(), QString("R%1").arg(cell + 1));
            for (int i = 0; i < nexts; ++i)
                controls.datprincip->step(modcol::RecordNavigator::Next);
        });
        QTest::mouseClick((onPrice ? grid().lbprecio : grid().imagen)[cell], Qt::LeftButton);
        QCOMPARE(driver.shown(), 1);
        QCOMPARE(window().windowTitle(), Titulo + QString("  ( Página %1 )").arg(page));
        QCOMPARE(price->text() == "sin volver a mostrar", page == 1);
    }

    // Which picture a cell shows. Files as "app/..." or "bd/..." below the
    // two base folders, folders ending with "/"; the offer is 12, its first
    // photo "fotos\00012_01.jpg".
    void thumbnailChoice_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        const QStringList everything{"bd/colimg/12cd.jpg", "app/fotos/12cd_b.jpg", "app/fotos/00012_01.jpg",
                                     "bd/fotos/00012_01.jpg"};
        QTest::newRow("second base's colimg first") << everything << "bd/colimg/12cd.jpg";
        QTest::newRow("then the program's fotos") << everything.mid(1) << "app/fotos/12cd_b.jpg";
        QTest::newRow("then the photo in the program's folder") << everything.mid(2) << "app/fotos/00012_01.jpg";
        QTest::newRow("then the photo in the second base") << everything.mid(3) << "bd/fotos/00012_01.jpg";
        QTest::newRow("nothing") << QStringList() << "";
        QTest::newRow("12 never takes 123's thumbnail")
            << QStringList{"bd/colimg/123cd.jpg", "app/fotos/123cd.jpg", "app/fotos/00012_01.jpg"}
            << "app/fotos/00012_01.jpg";
        QTest::newRow("names in other case") << QStringList{"bd/COLIMG/12CD.JPG"} << "bd/COLIMG/12CD.JPG";
        QTest::newRow("a name without a dot") << QStringList{"app/fotos/12cd"} << "app/fotos/12cd";
        QTest::newRow("first by name") << QStringList{"app/fotos/12cd_b.jpg", "app/fotos/12CD_a.jpg"}
                                       << "app/fotos/12CD_a.jpg";
        QTest::newRow("a folder first by name is passed over")
            << QStringList{"bd/colimg/12cd/", "bd/colimg/12cd_b.jpg"} << "bd/colimg/12cd_b.jpg";
        QTest::newRow("a folder alone is no thumbnail")
            << QStringList{"bd/colimg/12cd.jpg/", "app/fotos/00012_01.jpg"} << "app/fotos/00012_01.jpg";
    }
    void thumbnailChoice()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        const auto onDisk = [this](const QString &file) {
            return (file.startsWith("app/") ? m_folder->appFolder() : m_folder->bdFolder()) + file.mid(file.indexOf('/'));
        };
        for (const QString &file : files) {
            if (file.endsWith('/'))
                QVERIFY(QDir().mkpath(onDisk(file)));
            else
                writePicture(onDisk(file), QSize(8, 8));
        }
        QCOMPARE(thumbnailFile(modcol::baseFolders(), 12, "fotos\\00012_01.jpg"), chosen.isEmpty() ? "" : onDisk(chosen));
    }

    // "Buscar" (or Enter in a price box) searches nothing until the lists
    // are there; then it shows page 1, the photos loaded or not yet. Showing
    // the window again, resized or maximised, neither opens the catalogue
    // again nor scales the window a second time.
    void searchOnlyOnceTheListsAreThere()
    {
        frmresul &window = *(m_window = std::make_unique<frmresul>());
        window.show();
        const SearchFilters::TestAccess band = filters();
        QVERIFY(!band.botbuscar->isEnabled());
        QTest::keyClick(band.txtdesde, Qt::Key_Return);
        QTRY_VERIFY(band.botbuscar->isEnabled());
        QCOMPARE(window.windowTitle(), Titulo);
        band.botbuscar->click();
        QTRY_COMPARE(window.windowTitle(), Titulo + "  ( Página 1 )");

        const catalogue::Database *opened = modcol::BaseDatos.get();
        window.resize(600, 400);
        window.hide();
        window.show();
        window.showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(modcol::BaseDatos.get(), opened);
        // The grid's first cell, at 1.28 times its design place on the window.
        const QWidget *cell = grid().imagen[0];
        QCOMPARE(QRect(cell->mapTo(&window, QPoint(0, 0)), cell->size()), QRect(20, 82, 165, 134));
    }

    // A failure ends the program after one error box that says what went
    // wrong, with a failure status; Escape ends it at once, whatever work
    // runs in the background.
    void endings_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("says"); // empty: no box, and success
        QTest::newRow("missing working copy") << "sin-copia" << "copia.mdb";
        QTest::newRow("failing search") << "busqueda-falla" << "precioinmo";
        QTest::newRow("damaged photos, read after the lists") << "fotos-dañada" << "dañada (tabla «fotos»";
        QTest::newRow("Escape while loading") << "escape-cargando" << "";
    }
    void endings()
    {
        QFETCH(QString, mode);
        QFETCH(QString, says);
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/resultsprobe", {mode});
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), says.isEmpty() ? 0 : 1);
        const QStringList boxes = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(boxes.size(), says.isEmpty() ? 0 : 1);
        for (const QString &box : boxes)
            QVERIFY2(box.startsWith("box|" + Titulo + "|") && box.contains(says), qPrintable(box));
    }

    // Escape closes an open list and nothing else; on the window, also with
    // the focus on a list, it ends the program.
    void escapeClosesWhatIsOnTop()
    {
        const SearchFilters::TestAccess band = filters();
        QSignalSpy ends(parts().botcerrar, &QPushButton::clicked);
        // The button's own ending would leave this run's later event loops
        // ended before they start.
        disconnect(parts().botcerrar, &QPushButton::clicked, &window(), nullptr);
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTest::mouseClick(band.cbtipo, Qt::LeftButton);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(ends.size(), 0);
        QTest::keyClick(band.cbciudad, Qt::Key_Escape);
        QCOMPARE(ends.size(), 1);
    }

    // "Mas información": the card over the results window without an offer,
    // every box empty; "AMPLIAR FOTO" and "Extraer Fotos" do nothing, and the
    // page is left alone. A card opened before the catalogue was opens it.
    void masInformacion()
    {
        window();
        modcol::BaseDatos.reset();
        bool asked = false;
        const WhenShown<viewer::FrmFoto> viewer;
        const WhenShown<card::frmficha> driver([&](card::frmficha &ficha) {
            QCOMPARE(ficha.parentWidget(), &window());
            const card::frmficha::TestAccess access = ficha.testAccess();
            QCOMPARE(access.boxes(), QStringList(22));
            access.folderChooser = [&](QWidget *) {
                asked = true;
                return QString();
            };
            QTest::mouseClick(access.controls.Command1, Qt::LeftButton);
            access.mextraefotos->trigger();
        });
        QTest::mouseClick(parts().frmimagen->Label4ForTests(), Qt::LeftButton);
        QVERIFY(driver.shown() == 1 && viewer.shown() == 0 && !asked);
        QVERIFY(modcol::BaseDatos);
        QVERIFY(parts().frmimagen->isVisible());
        QCOMPARE(window().windowTitle(), Titulo);
    }

private:
    const QString Titulo = "PROPIEDADES COLABORADOR";

    void useOffers(const QList<Offer> &offers)
    {
        m_window.reset();
        m_folder.reset(); // its end closes the catalogue
        m_folder = std::make_unique<PartnerFolder>(offers);
    }

    // The results window on the partner folder, shown at the first call.
    frmresul &window()
    {
        if (!m_window) {
            m_window = std::make_unique<frmresul>();
            showNow(*m_window);
        }
        return *m_window;
    }

    frmresul::TestAccess parts() { return window().testAccess(); }
    ResultPages::TestAccess grid() { return parts().pages->testAccess(); }
    SearchFilters::TestAccess filters() { return parts().filters->testAccess(); }

    void search() { QTest::mouseClick(filters().botbuscar, Qt::LeftButton); }

    // "Buscar", and the count of pages that follows its first page.
    void searchAndCount()
    {
        search();
        QCoreApplication::processEvents();
    }

    // The page the caption names, the bar's range and value when it shows,
    // and the keys of the visible cells: "2 of 2 (bar on 2): 13".
    QString pageShown()
    {
        QString shown = window().windowTitle().remove(Titulo).remove(QRegularExpression("[^0-9]"));
        if (grid().barra->isVisible())
            shown += QString(" of %1 (bar on %2)").arg(grid().barra->maximum()).arg(grid().barra->value());
        QStringList keys;
        for (int key : keysOnPage())
            keys << QString::number(key);
        return shown + ": " + keys.join(' ');
    }

    // The offer keys of the visible cells.
    QList<int> keysOnPage()
    {
        QList<int> keys;
        for (int i = 0; i < ResultPages::CellsPerPage; ++i) {
            if (grid().imagen[i]->isVisible())
                keys << grid().cellKeys[i];
        }
        return keys;
    }

    // The offer whose grey a visible cell's picture shows, -1 without one.
    QList<int> cellGreys()
    {
        QList<int> greys;
        for (const QLabel *cell : grid().imagen) {
            if (!cell->isVisible())
                continue;
            const QImage picture = cell->pixmap().toImage();
            greys << (picture.isNull() ? -1 : (qGray(picture.pixel(picture.rect().center())) + 3) / 7);
        }
        return greys;
    }

    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<frmresul> m_window;
};

QTEST_MAIN(TestFrmResul)
#include "tst_frmresul.moc"

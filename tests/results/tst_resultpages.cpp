// The result pages of the results window: what a page shows, in which
// order, with which picture, how the scroll bar pages, and the card a cell
// opens; the page arithmetic and the choice of a cell's picture, which hold
// without a window.
#include <limits>

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "card/frmficha.h"
#include "partnerfolder.h"
#include "results/frmresul.h"
#include "results/pagearithmetic.h"
#include "results/resultpages.h"
#include "results/thumbnail.h"
#include "startup/modcol.h"
#include "pictures/pictureloader.h"

using namespace testsupport;
using namespace results;

namespace {

const QString Titulo = "PROPIEDADES COLABORADOR";

QString pageCaption(int page)
{
    return Titulo + QString("  ( Página %1 )").arg(page);
}

} // namespace

class TestResultPages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    // Whole euros rounded half to even, grouped; no price is "Consultar";
    // cheapest first, key 0 never.
    void prices()
    {
        start({{5, 300}, {3, 100}, {9, 100}, {4, 0}, {0, 50}, {7, 1234567.6}, {8, 999.5}, {6, 2.5}});
        search();
        QStringList prices;
        for (int i = 0; i < 7; ++i)
            prices << child<QLabel>(*m_window, QString("lbprecio%1").arg(i))->text();
        QCOMPARE(prices, QStringList({"Consultar", "2 €", "100 €", "100 €", "300 €", "1.000 €", "1.234.568 €"}));
    }

    // A page shows its prices at once and each thumbnail as it is decoded;
    // a page left before its thumbnails came never shows them, on any page;
    // going back to a page shown whole decodes nothing. Offer k's picture
    // is grey level 7k: a prepared thumbnail in the second base folder for
    // odd keys, the first photo in the program's folder for even ones.
    void thumbnailsArriveForTheirPage()
    {
        QList<Offer> offers = consecutiveOffers(36);
        for (Offer &offer : offers)
            offer.photos = {{QString("fotos\\%1.jpg").arg(offer.cod)}};
        start(offers);
        for (const Offer &offer : offers) {
            const int level = 7 * offer.cod;
            writePicture(offer.cod % 2 ? QString("%1/colimg/%2cd.jpg").arg(m_folder->bdFolder()).arg(offer.cod)
                                        : QString("%1/fotos/%2.jpg").arg(m_folder->appFolder()).arg(offer.cod),
                         QSize(900, 600), QColor(level, level, level));
        }
        search();
        QCOMPARE(child<QLabel>(*m_window, "lbprecio11")->text(), QString("12.000 €"));
        QCOMPARE(cellGreys(), QList<int>(12, -1));
        QTRY_COMPARE(cellGreys(), keysOnPage());

        barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(cellGreys(), QList<int>(12, -1));
        barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTRY_COMPARE(loader()->outstanding(), 0);
        QCOMPARE(keysOnPage().first(), 25);
        QCOMPARE(cellGreys(), keysOnPage());

        const int decodesSoFar = loader()->decodesStarted();
        barra()->setValue(1);
        QTRY_COMPARE(cellGreys(), keysOnPage());
        QCOMPARE(loader()->decodesStarted(), decodesSoFar);
    }

    // Twelve offers a page, the caption naming the page, the bar only when
    // there is more than one. The page changes when the thumb is let go; a
    // new search starts again at page 1. Filters edited without "Buscar"
    // take effect at the next page change, which then stays within the
    // pages there are. No offer: the plain caption, no bar, no cell.
    void paging()
    {
        start(consecutiveOffers(30));
        searchAndCount();
        QCOMPARE(pageShown(), QString("1 of 3 (bar on 1): 1 2 3 4 5 6 7 8 9 10 11 12"));
        barra()->setSliderDown(true);
        barra()->setSliderPosition(3);
        QCOMPARE(m_window->windowTitle(), pageCaption(1));
        barra()->setSliderDown(false);
        QCOMPARE(pageShown(), QString("3 of 3 (bar on 3): 25 26 27 28 29 30"));
        searchAndCount();
        QCOMPARE(barra()->value(), 1);

        barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        auto *hasta = child<QLineEdit>(*m_window, "txthasta");
        QTest::keyClicks(hasta, "13000");
        barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(pageShown(), QString("2 of 2 (bar on 2): 13"));
        hasta->setText("12000");
        searchAndCount();
        QCOMPARE(pageShown(), QString("1: 1 2 3 4 5 6 7 8 9 10 11 12"));
        hasta->setText("1");
        searchAndCount();
        QCOMPARE(m_window->windowTitle() + pageShown(), Titulo + ": ");
    }

    // A cell opens the card on its offer with the clauses that found the
    // page on screen, not those of filters edited since. Closing the card
    // shows the page of the offer shown last; a page left on screen is not
    // shown again (its cells keep what they hold).
    void cardFromACell_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("desde"); // typed after the search
        QTest::addColumn<int>("nexts");
        QTest::addColumn<int>("page");
        QTest::newRow("to the 25th offer") << 11 << "" << 13 << 3;
        QTest::newRow("to the 12th, same page") << 2 << "" << 9 << 1;
        QTest::newRow("filters edited since the search") << 2 << "20000" << 0 << 1;
    }
    void cardFromACell()
    {
        QFETCH(int, cell);
        QFETCH(QString, desde);
        QFETCH(int, nexts);
        QFETCH(int, page);
        start(consecutiveOffers(30));
        search();
        QTest::keyClicks(child(*m_window, "txtdesde"), desde);
        auto *price = child<QLabel>(*m_window, "lbprecio0");
        price->setText("sin volver a mostrar");
        const WhenShown<card::frmficha> driver([&](card::frmficha &ficha) {
            QCOMPARE(cardBox(ficha, 5), QString("R%1").arg(cell + 1));
            navigate(ficha, "datprincip", "next", nexts);
            QCOMPARE(cardBox(ficha, 5), QString("R%1").arg(cell + 1 + nexts));
        });
        QTest::mouseClick(child(*m_window, QString("imagen%1").arg(cell)), Qt::LeftButton);
        QCOMPARE(driver.shown(), 1);
        QCOMPARE(m_window->windowTitle(), pageCaption(page));
        QCOMPARE(price->text() == "sin volver a mostrar", page == 1);
    }

    // Pages for a number of offers, which is also the 1-based page of the
    // offer at that position.
    void pagesForOffers_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("12: one full page") << 12 << 1;
        QTest::newRow("13") << 13 << 2;
        QTest::newRow("18: 1.5 rounds up to enough") << 18 << 2;
        QTest::newRow("25th offer is on page 3") << 25 << 3;
        QTest::newRow("30: 2.5 rounds to 2, one more") << 30 << 3;
        QTest::newRow("largest count") << std::numeric_limits<int>::max() << 178956971;
    }

    void pagesForOffers()
    {
        QFETCH(int, n);
        QFETCH(int, pages);
        QCOMPARE(pageCount(n), pages);
    }

    // Which picture a cell shows. Files as "app/..." or "bd/..." below the two base folders, folders
    // ending with "/"; the offer is 12, its first photo "fotos\00012_01.jpg".
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
        m_folder = std::make_unique<PartnerFolder>(QList<Offer>());
        for (const QString &file : files) {
            if (file.endsWith('/'))
                QVERIFY(QDir().mkpath(onDisk(file)));
            else
                writePicture(onDisk(file), QSize(8, 8));
        }
        QCOMPARE(thumbnailFile(modcol::baseFolders(), "12", "fotos\\00012_01.jpg"), chosen.isEmpty() ? QString() : onDisk(chosen));
    }

private:
    void start(const QList<Offer> &offers)
    {
        m_folder = std::make_unique<PartnerFolder>(offers);
        m_window = std::make_unique<frmresul>();
        showNow(*m_window);
    }

    void search() { QTest::mouseClick(child(*m_window, "botbuscar"), Qt::LeftButton); }

    // "Buscar", and the count of pages that follows its first page.
    void searchAndCount()
    {
        search();
        QCoreApplication::processEvents();
    }

    QScrollBar *barra() { return child<QScrollBar>(*m_window, "barra"); }

    modcol::PictureLoader *loader() { return m_window->findChild<modcol::PictureLoader *>(); }

    // The page the caption names, the bar's range and value when it shows,
    // and the keys of the visible cells: "2 of 2 (bar on 2): 13".
    QString pageShown()
    {
        QString shown = m_window->windowTitle().remove(Titulo).remove(QRegularExpression("[^0-9]"));
        if (barra()->isVisible())
            shown += QString(" of %1 (bar on %2)").arg(barra()->maximum()).arg(barra()->value());
        QStringList keys;
        for (int key : keysOnPage())
            keys << QString::number(key);
        return shown + ": " + keys.join(' ');
    }

    // The keys of the visible cells, as their clicks hand them on.
    QList<int> keysOnPage()
    {
        const WhenShown<QDialog> cardsClosed;
        QSignalSpy clicked(m_window->findChild<ResultPages *>(), &ResultPages::offerClicked);
        for (int i = 0; i < 12; ++i) {
            auto *price = child(*m_window, QString("lbprecio%1").arg(i));
            if (price->isVisible())
                QTest::mouseClick(price, Qt::LeftButton);
        }
        QList<int> keys;
        for (const QList<QVariant> &click : clicked)
            keys << click.at(1).toInt();
        return keys;
    }

    // The offer whose grey a visible cell's picture shows, -1 without one.
    QList<int> cellGreys()
    {
        QList<int> greys;
        for (int i = 0; i < 12; ++i) {
            const auto *cell = child<QLabel>(*m_window, QString("imagen%1").arg(i));
            if (!cell->isVisible())
                continue;
            const QImage picture = cell->pixmap().toImage();
            greys << (picture.isNull() ? -1 : (qGray(picture.pixel(picture.rect().center())) + 3) / 7);
        }
        return greys;
    }

    // A file as "app/..." or "bd/..." on disk.
    QString onDisk(const QString &file) const
    {
        const QString base = file.startsWith("app/") ? m_folder->appFolder() : m_folder->bdFolder();
        return base + file.mid(file.indexOf('/'));
    }

    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<frmresul> m_window;
};

QTEST_MAIN(TestResultPages)
#include "tst_resultpages.moc"

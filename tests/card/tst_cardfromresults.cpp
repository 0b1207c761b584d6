// The record card opened from the results window: a cell opens it on its
// offer, closing it shows the page of the offer shown last, and "Mas
// información" opens it without an offer.
#include <QAction>
#include <QLabel>
#include <QTest>

#include "card/frmficha.h"
#include "catalogue/database.h"
#include "partnerfolder.h"
#include "results/frmresul.h"
#include "startup/modcol.h"
#include "viewer/frmfoto.h"

using namespace testsupport;

namespace {

QString pageCaption(int page)
{
    return QString("PROPIEDADES COLABORADOR  ( Página %1 )").arg(page);
}

} // namespace

class TestCardFromResults : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<PartnerFolder>(consecutiveOffers(30));
        m_window = std::make_unique<results::frmresul>();
        showNow(*m_window);
    }
    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    // Offer i is the i-th cheapest. A page left on screen is not shown
    // again (its cells keep what they hold).
    void pageAfterClosing_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("nexts");
        QTest::addColumn<QString>("ref");
        QTest::addColumn<int>("page");
        QTest::newRow("closed at once") << 5 << 0 << "R6" << 1;
        QTest::newRow("to the 25th offer") << 11 << 13 << "R25" << 3;
        QTest::newRow("to the 12th, same page") << 2 << 9 << "R12" << 1;
        QTest::newRow("to the 13th") << 2 << 10 << "R13" << 2;
    }
    void pageAfterClosing()
    {
        QFETCH(int, cell);
        QFETCH(int, nexts);
        QFETCH(QString, ref);
        QFETCH(int, page);
        QTest::mouseClick(child(*m_window, "botbuscar"), Qt::LeftButton);
        auto *price = child<QLabel>(*m_window, "lbprecio0");
        price->setText("sin volver a mostrar");
        QString opened;
        QString shown;
        const WhenShown<card::frmficha> driver([&](card::frmficha &ficha) {
            opened = cardBox(ficha, 5);
            navigate(ficha, "datprincip", "next", nexts);
            shown = cardBox(ficha, 5);
        });
        QTest::mouseClick(child(*m_window, QString("imagen%1").arg(cell)), Qt::LeftButton);
        QVERIFY(driver.shown());
        QCOMPARE(opened, QString("R%1").arg(cell + 1));
        QCOMPARE(shown, ref);
        QCOMPARE(m_window->windowTitle(), pageCaption(page));
        QCOMPARE(price->text() == "sin volver a mostrar", page == 1);
    }

    // "Mas información": the card over the results window without an offer,
    // every box empty; "AMPLIAR FOTO" and "Extraer Fotos" do nothing, and the
    // page is left alone. A card opened before the catalogue was opens it.
    void masInformacion()
    {
        modcol::BaseDatos.reset();
        QStringList texts;
        QWidget *parent = nullptr;
        bool asked = false;
        const WhenShown<viewer::FrmFoto> viewer([](viewer::FrmFoto &) {});
        const WhenShown<card::frmficha> driver([&](card::frmficha &ficha) {
            parent = ficha.parentWidget();
            for (int i = 1; i <= 22; ++i)
                texts << cardBox(ficha, i);
            ficha.setFolderChooser([&](QWidget *) {
                asked = true;
                return QString();
            });
            QTest::mouseClick(ficha.findChild<QWidget *>("Command1"), Qt::LeftButton);
            ficha.findChild<QAction *>("mextraefotos")->trigger();
            QTest::mouseClick(ficha.findChild<QWidget *>("botcerrar"), Qt::LeftButton);
        });
        QTest::mouseClick(child(*m_window, "Label4"), Qt::LeftButton);
        QVERIFY(driver.shown() && !viewer.shown() && !asked);
        QVERIFY(modcol::BaseDatos);
        QCOMPARE(parent, m_window.get());
        QCOMPARE(texts.join(QString()), QString());
        QVERIFY(child(*m_window, "frmimagen")->isVisible());
        QCOMPARE(m_window->windowTitle(), QString("PROPIEDADES COLABORADOR"));
    }

private:
    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<results::frmresul> m_window;
};

QTEST_MAIN(TestCardFromResults)
#include "tst_cardfromresults.moc"

// The record card opened from the results window: a cell opens it on its
// offer, closing it shows the page of the offer shown last, and "Mas
// información" opens it without an offer.
#include <QAction>
#include <QLabel>
#include <QTest>

#include "card/frmficha.h"
#include "catalogue/database.h"
#include "cardtest.h"
#include "resultsfixture.h"
#include "startup/modcol.h"
#include "viewer/frmfoto.h"

using namespace cardtest;
using namespace resultstest;

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
        m_fixture = std::make_unique<ResultsFixture>(consecutiveOffers(30));
        m_fixture->window();
    }
    void cleanup() { m_fixture.reset(); }

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
        m_fixture->search();
        auto *price = m_fixture->control<QLabel>("lbprecio0");
        price->setText("sin volver a mostrar");
        QString opened;
        QString shown;
        const WhenShown<card::frmficha> driver([&](card::frmficha &ficha) {
            opened = box(ficha, 5);
            navigate(ficha, "datprincip", "next", nexts);
            shown = box(ficha, 5);
        });
        QTest::mouseClick(m_fixture->control<QLabel>(qPrintable(QString("imagen%1").arg(cell))), Qt::LeftButton);
        QVERIFY(driver.ran());
        QCOMPARE(opened, QString("R%1").arg(cell + 1));
        QCOMPARE(shown, ref);
        QCOMPARE(m_fixture->window().windowTitle(), pageCaption(page));
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
                texts << box(ficha, i);
            ficha.setFolderChooser([&](QWidget *) {
                asked = true;
                return QString();
            });
            QTest::mouseClick(ficha.findChild<QWidget *>("Command1"), Qt::LeftButton);
            ficha.findChild<QAction *>("mextraefotos")->trigger();
            QTest::mouseClick(ficha.findChild<QWidget *>("botcerrar"), Qt::LeftButton);
        });
        QTest::mouseClick(m_fixture->control<QLabel>("Label4"), Qt::LeftButton);
        QVERIFY(driver.ran() && !viewer.ran() && !asked);
        QVERIFY(modcol::BaseDatos);
        QCOMPARE(parent, &m_fixture->window());
        QCOMPARE(texts.join(QString()), QString());
        QVERIFY(m_fixture->control<QWidget>("frmimagen")->isVisible());
        QCOMPARE(m_fixture->window().windowTitle(), QString("PROPIEDADES COLABORADOR"));
    }

private:
    std::unique_ptr<ResultsFixture> m_fixture;
};

QTEST_MAIN(TestCardFromResults)
#include "tst_cardfromresults.moc"

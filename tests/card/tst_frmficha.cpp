// The record card on a catalogue with the full schema: what each box shows,
// the qualities, the navigator through the search's offers and the position
// VerFormu returns, and the card without an offer.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "card/frmficha.h"
#include "catalogue/database.h"
#include "cardtest.h"
#include "startup/modcol.h"

using namespace cardtest;

namespace {

// Price order: 3, 1, 2, 5, 4. Offer 2 has no row for its state of repair
// nor for its orientation; offer 3 has Null details. The qualities name a
// column that does not exist ("piscina") and a number column that may be
// Null ("salon").
const QString Data = QStringLiteral(R"sql(
INSERT INTO ciudad VALUES (1, 'Málaga'), (2, 'Nerja');
INSERT INTO zonas VALUES (10, 'Centro'), (11, 'Playa');
INSERT INTO tipo VALUES (20, 'Piso', 'Flat'), (21, 'Chalet', 'Villa');
INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New');
INSERT INTO tipoori VALUES (1, 'Sur', 'South');
INSERT INTO ofertas (Cod_Ofer, ref, Key_Tipo, Key_Loca, Key_Zona, precioinmo, Conservacion, keyori, habitaciones,
                     habdobles, "baños", aseos, salon, numplanta, m_uties, m_cons, m_parcela, mtfachada, suelo,
                     vistas, carpinteria, carpinext, garaje, ascensor) VALUES
    (1, 'MA/1', 20, 1, 10, 100000, 1, 1, 2, 1, 1, 0, 1, 3, 85.5, 100, 200.25, 12, 'Gres', 'Mar', 'Roble',
     'Aluminio', 1, 0),
    (2, 'MA/2', 20, 1, 11, 150000, 9, 7, 3, 2, 2, 1, NULL, 1, 90, 90, 90, 9, 'Parqué', 'Montaña', 'Pino', 'PVC', 0, 1),
    (3, 'NE/3', 21, 2, 10, 0, 1, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
     NULL, 0, 0),
    (4, 'NE/4', 21, 2, 11, 1234567.6, 1, 1, 5, 3, 3, 1, 2, 0, 300, 1000, 250, 20, 'Mármol', 'Mar', 'Roble',
     'Aluminio', 1, 1),
    (5, 'MA/5', 21, 1, 10, 300000, 1, 1, 4, 2, 2, 1, 1, 0, 150, 400, 180, 15, 'Gres', 'Sierra', 'Roble',
     'Aluminio', 0, 0);
INSERT INTO auxcalid VALUES ('garaje', 'Garaje'), ('piscina', 'Piscina'), ('salon', 'Salón'), ('ascensor', 'Ascensor');
)sql");

const QString AllOffers = QStringLiteral(" ");

QStringList boxes(const QWidget &ficha)
{
    QStringList texts;
    for (int i = 1; i <= 22; ++i)
        texts << box(ficha, i);
    return texts;
}

} // namespace

class TestFrmFicha : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<CardFixture>(Data); }
    void cleanup() { m_fixture.reset(); }

    // Each box from its column (13 shows m_cons, 14 m_parcela), the price
    // formatted, decimals with the regional comma; Null leaves a box empty
    // and a 0 shows as "0", also after an offer that had values there; an
    // offer without a state of repair or orientation is on the card with
    // those boxes empty; qualities in the table's order, Null and a missing
    // column not listed.
    void fields_data()
    {
        QTest::addColumn<QStringList>("expected"); // boxes 1 to 22
        QTest::newRow("every field, one quality by Boolean and one by number")
            << QStringList{"Piso", "Málaga", "Centro", "100.000 €", "MA/1", "Nuevo", "Gres", "Mar", "Sur", "Roble",
                           "Aluminio", "85,5", "100", "200,25", "12", "0", "1", "3", "1", "2", "1",
                           "Garaje, Salón"};
        QTest::newRow("no state of repair nor orientation, Null quality")
            << QStringList{"Piso", "Málaga", "Playa", "150.000 €", "MA/2", "", "Parqué", "Montaña", "", "Pino",
                           "PVC", "90", "90", "90", "9", "1", "2", "1", "2", "3", "", "Ascensor"};
        QTest::newRow("Null details, price 0, no quality")
            << QStringList{"Chalet", "Nerja", "Centro", "0 €", "NE/3", "Nuevo", "", "", "Sur", "", "", "", "", "",
                           "", "", "", "", "", "", "", ""};
        QTest::newRow("grouped price rounded half to even, every quality")
            << QStringList{"Chalet", "Nerja", "Playa", "1.234.568 €", "NE/4", "Nuevo", "Mármol", "Mar", "Sur",
                           "Roble", "Aluminio", "300", "1000", "250", "20", "1", "3", "0", "3", "5", "2",
                           "Garaje, Salón, Ascensor"};
    }
    void fields()
    {
        QFETCH(QStringList, expected);
        QStringList shown;
        // Each offer is shown after the dearest one, which has every value.
        verFormu(AllOffers, 4, [&](card::frmficha &ficha) {
            navigate(ficha, "datprincip", "primero");
            for (int i = 0; i < 5 && box(ficha, 5) != expected[4]; ++i)
                navigate(ficha, "datprincip", "siguiente");
            shown = boxes(ficha);
        });
        QCOMPARE(shown, expected);
    }

    // The navigator walks the search's offers in price order; VerFormu
    // returns the position shown when the card was closed.
    void positions_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QString>("ref");
        QTest::addColumn<int>("position");
        QTest::newRow("opened on an offer") << AllOffers << 5 << QStringList() << "MA/5" << 4;
        QTest::newRow("two next from the first") << AllOffers << 3 << QStringList{"siguiente", "siguiente"} << "MA/2"
                                                 << 3;
        QTest::newRow("key not in the search") << AllOffers << 99 << QStringList() << "NE/3" << 1;
        QTest::newRow("key of another type") << QStringLiteral(" and tipo.tipo_ofer='Chalet'  ") << 1 << QStringList()
                                             << "NE/3" << 1;
        QTest::newRow("offer without state of repair") << AllOffers << 2 << QStringList() << "MA/2" << 3;
        QTest::newRow("last, then next stays") << AllOffers << 1 << QStringList{"ultimo", "siguiente"} << "NE/4" << 5;
        QTest::newRow("first, then previous stays") << AllOffers << 4 << QStringList{"primero", "anterior"} << "NE/3"
                                                    << 1;
        QTest::newRow("nothing found") << QStringLiteral(" and ofertas.precioinmo>=9000000 ") << 1 << QStringList{"ultimo"}
                                       << "" << 0;
    }
    void positions()
    {
        QFETCH(QString, where);
        QFETCH(int, codigo);
        QFETCH(QStringList, moves);
        QFETCH(QString, ref);
        QFETCH(int, position);
        QString shown;
        const int returned = verFormu(where, codigo, [&](card::frmficha &ficha) {
            for (const QString &move : moves)
                navigate(ficha, "datprincip", qPrintable(move));
            shown = box(ficha, 5);
        });
        QCOMPARE(shown, ref);
        QCOMPARE(returned, position);
    }

    // Read-only boxes whose text can still be selected and copied; Enter in
    // a box presses no button.
    void boxesCopyButNeverChange_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("reference") << 5;
        QTest::newRow("qualities") << 22;
    }
    void boxesCopyButNeverChange()
    {
        QFETCH(int, index);
        QString copied;
        QString after;
        bool open = false;
        verFormu(AllOffers, 4, [&](card::frmficha &ficha) {
            auto *target = ficha.findChild<QWidget *>(QStringLiteral("txtcampo%1").arg(index));
            target->setFocus();
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
            QTest::keyClicks(target, "x");
            QTest::keyClick(target, Qt::Key_Delete);
            QTest::keyClick(target, Qt::Key_Return);
            after = box(ficha, index);
            open = ficha.isVisible();
        });
        QCOMPARE(copied, index == 5 ? QStringLiteral("NE/4") : QStringLiteral("Garaje, Salón, Ascensor"));
        QCOMPARE(after, copied);
        QVERIFY(open);
    }

    // "Mas información" shows the card without an offer: every box empty,
    // no photo to enlarge or copy, and closing works. A card opened before
    // the catalogue was opens it.
    void withoutAnOffer()
    {
        modcol::BaseDatos.reset();
        card::frmficha ficha(nullptr);
        QVERIFY(modcol::BaseDatos);
        bool asked = false;
        ficha.setFolderChooser([&](QWidget *) {
            asked = true;
            return m_fixture->scratch();
        });
        const WhenShown<card::frmficha> driver([&](card::frmficha &shown) {
            QCOMPARE(boxes(shown).join(QString()), QString());
            QTest::mouseClick(shown.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            shown.findChild<QAction *>(QStringLiteral("mextraefotos"))->trigger();
            QTest::mouseClick(shown.findChild<QPushButton *>(QStringLiteral("botcerrar")), Qt::LeftButton);
        });
        QCOMPARE(ficha.exec(), int(QDialog::Rejected));
        QVERIFY(driver.ran());
        QVERIFY(!asked);
    }

private:
    std::unique_ptr<CardFixture> m_fixture;
};

QTEST_MAIN(TestFrmFicha)
#include "tst_frmficha.moc"

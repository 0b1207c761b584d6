// The record card on a catalogue with the full schema: what each box shows,
// the qualities, the navigators and their keys, the positions they stand on
// and the one VerFormu returns.
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <QTextDocumentFragment>

#include "card/frmficha.h"
#include "catalogue/recordset.h"
#include "partnerfolder.h"
#include "widgets/recordnavigator.h"

using namespace testsupport;
using modcol::RecordNavigator;

namespace {
// Price order: 3, 1, 2, 5, 4. Offer 2 has no row for its state of repair
// nor for its orientation, and views too long for their box; offer 3 has
// Null details. The qualities name a column that does not exist ("piscina")
// and a number column that may be Null ("salon"). Offer 3 has three photos,
// offer 1 two (no files).
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
    (2, 'MA/2', 20, 1, 11, 150000, 9, 7, 3, 2, 2, 1, NULL, 1, 90, 90, 90, 9, 'Parqué',
     'Montaña y mar desde todas las estancias', 'Pino', 'PVC', 0, 1),
    (3, 'NE/3', 21, 2, 10, 0, 1, 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
     NULL, 0, 0),
    (4, 'NE/4', 21, 2, 11, 1234567.6, 1, 1, 5, 3, 3, 1, 2, 0, 300, 1000, 250, 20, 'Mármol', 'Mar', 'Roble',
     'Aluminio', 1, 1),
    (5, 'MA/5', 21, 1, 10, 300000, 1, 1, 4, 2, 2, 1, 1, 0, 150, 400, 180, 15, 'Gres', 'Sierra', 'Roble',
     'Aluminio', 0, 0);
INSERT INTO auxcalid VALUES ('garaje', 'Garaje'), ('piscina', 'Piscina'), ('salon', 'Salón'), ('ascensor', 'Ascensor');
INSERT INTO fotos (CodFoto, KeyOfe, orden, nomostrar, Ruta) VALUES
    (1, 3, 1, 0, 'fotos\3a.jpg'), (2, 3, 2, 0, 'fotos\3b.jpg'), (3, 3, 3, 0, 'fotos\3c.jpg'),
    (4, 1, 1, 0, 'fotos\1a.jpg'), (5, 1, 2, 0, 'fotos\1b.jpg');
)sql");

const QString AllOffers = QStringLiteral(" ");

// Where a navigator stands: "2/5", its 1-based position and its rows; "-" without rows bound.
QString standing(const RecordNavigator *navigator)
{
    const catalogue::Recordset *rows = navigator->recordset();
    return rows ? QString("%1/%2").arg(rows->AbsolutePosition() + 1).arg(rows->RecordCount()) : "-";
}

} // namespace

class TestFrmFicha : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<PartnerFolder>(Data); }
    void cleanup() { m_folder.reset(); }

    // Each box from its column (13 shows m_cons, 14 m_parcela), the price
    // formatted, decimals with the regional comma; Null leaves a box empty
    // and a 0 shows as "0", also after an offer that had values there (the
    // dearest, shown first); an offer without a state of repair or
    // orientation is on the card with those boxes empty; qualities in the
    // table's order, Null listed and a missing column not. A text too long
    // for its box is its tool tip.
    void fields_data()
    {
        QTest::addColumn<QStringList>("expected"); // boxes 1 to 22
        QTest::addColumn<QStringList>("toolTips");
        QTest::newRow("every field, one quality by Boolean and one by number")
            << QStringList{"Piso", "Málaga", "Centro", "100.000 €", "MA/1", "Nuevo", "Gres", "Mar", "Sur", "Roble",
                           "Aluminio", "85,5", "100", "200,25", "12", "0", "1", "3", "1", "2", "1",
                           "Garaje, Salón"}
            << QStringList();
        QTest::newRow("no state of repair nor orientation, Null quality, long views")
            << QStringList{"Piso", "Málaga", "Playa", "150.000 €", "MA/2", "", "Parqué",
                           "Montaña y mar desde todas las estancias", "", "Pino", "PVC", "90", "90", "90", "9", "1",
                           "2", "1", "2", "3", "", "Salón, Ascensor"}
            << QStringList{"Montaña y mar desde todas las estancias"};
        QTest::newRow("Null details, price 0, Null quality")
            << QStringList{"Chalet", "Nerja", "Centro", "0 €", "NE/3", "Nuevo", "", "", "Sur", "", "", "", "", "",
                           "", "", "", "", "", "", "", "Salón"}
            << QStringList();
    }
    void fields()
    {
        QFETCH(QStringList, expected);
        QFETCH(QStringList, toolTips);
        card::frmficha ficha(nullptr);
        ficha.showOffers(AllOffers, 4);
        const card::frmficha::TestAccess card = ficha.testAccess();
        card.controls.datprincip->step(RecordNavigator::First);
        for (int i = 0; i < 5 && card.controls.txtcampo[5]->text() != expected[4]; ++i)
            card.controls.datprincip->step(RecordNavigator::Next);
        QCOMPARE(card.boxes(), expected);
        QStringList tips;
        for (const QLineEdit *box : card.controls.txtcampo) {
            if (box && !box->toolTip().isEmpty())
                tips << QTextDocumentFragment::fromHtml(box->toolTip()).toPlainText();
        }
        QCOMPARE(tips, toolTips);
    }

    // The navigators walk the search's offers in price order and the offer's
    // photos, by keys pressed where the focus is (the card's own at first);
    // VerFormu returns the position shown when the card was closed.
    void positions_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("ref");
        QTest::addColumn<QString>("standing"); // offers | photos
        QTest::addColumn<int>("position");
        QTest::newRow("key not in the search") << AllOffers << 99 << QStringList() << "NE/3" << "1/5 | 1/3" << 1;
        QTest::newRow("nothing found") << QStringLiteral(" and ofertas.precioinmo>=9000000 ") << 1
                                       << QStringList{"Ctrl+End"} << "" << "0/0 | -" << 0;
        QTest::newRow("Page Down, Ctrl+End, Page Up")
            << AllOffers << 3 << QStringList{"PgDown", "Ctrl+End", "PgUp"} << "MA/5" << "4/5 | 0/0" << 4;
        QTest::newRow("arrows and End step the photos")
            << AllOffers << 3 << QStringList{"Right", "End", "Left"} << "NE/3" << "1/5 | 2/3" << 1;
        QTest::newRow("a text box keeps the arrows, not Page Down")
            << AllOffers << 3 << QStringList{"Tab", "PgDown", "Right"} << "MA/1" << "2/5 | 1/2" << 2;
        QTest::newRow("Tab reaches the navigator, Enter presses")
            << AllOffers << 3 << QStringList{"Shift+Tab", "Shift+Tab", "Return"} << "NE/4" << "5/5 | 0/0" << 5;
    }
    void positions()
    {
        QFETCH(QString, where);
        QFETCH(int, codigo);
        QFETCH(QStringList, keys);
        QFETCH(QString, ref);
        QFETCH(QString, standing);
        QFETCH(int, position);
        card::frmficha ficha(nullptr);
        const WhenShown<card::frmficha> driver([&](card::frmficha &shown) {
            QVERIFY(QTest::qWaitForWindowActive(&shown));
            const card::CardControls &controls = shown.testAccess().controls;
            for (const QString &keyName : keys) {
                const QKeyCombination key = QKeySequence(keyName)[0];
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            }
            QCOMPARE(controls.txtcampo[5]->text(), ref);
            QCOMPARE(::standing(controls.datprincip) + " | " + ::standing(controls.DatImagen), standing);
        });
        QCOMPARE(ficha.VerFormu(where, codigo), position);
    }

private:
    std::unique_ptr<PartnerFolder> m_folder;
};

QTEST_MAIN(TestFrmFicha)
#include "tst_frmficha.moc"

// The record card on a catalogue with the full schema: what each box shows,
// the qualities, the navigators and their keys, the positions they show and
// the one VerFormu returns, boxes that copy but never change, and the
// navigators of the card and the viewer on screens of three sizes.
#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocumentFragment>

#include "card/frmficha.h"
#include "catalogue/recordset.h"
#include "partnerfolder.h"
#include "widgets/recordnavigator.h"
#include "viewer/frmfoto.h"

using namespace testsupport;

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

// VerFormu on a fresh card with no parent, `act` run while it is shown.
int verFormu(const QString &where, int codigo, const std::function<void(card::frmficha &)> &act)
{
    card::frmficha ficha(nullptr);
    const WhenShown<card::frmficha> driver(act);
    return ficha.VerFormu(where, codigo);
}

// A navigator's caption as shown, its lines joined by blanks.
QString shownCaption(const QWidget &window, const QString &navigator)
{
    return child(window, navigator)->findChild<QLabel *>()->text().replace(u'\n', u' ');
}

} // namespace

class TestFrmFicha : public QObject
{
    Q_OBJECT

public:
    // The design's screen, where the navigators' captions have least room.
    static void initMain() { useScreens({QSize(800, 600)}); }

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
        verFormu(AllOffers, 4, [&](card::frmficha &ficha) {
            navigate(ficha, "datprincip", "first");
            for (int i = 0; i < 5 && cardBox(ficha, 5) != expected[4]; ++i)
                navigate(ficha, "datprincip", "next");
            QStringList shown;
            for (int i = 1; i <= 22; ++i)
                shown << cardBox(ficha, i);
            QCOMPARE(shown, expected);
            QStringList tips;
            for (const QLineEdit *box : ficha.findChildren<QLineEdit *>()) {
                if (!box->toolTip().isEmpty())
                    tips << QTextDocumentFragment::fromHtml(box->toolTip()).toPlainText();
            }
            QCOMPARE(tips, toolTips);
        });
    }

    // The navigators walk the search's offers in price order and the offer's
    // photos, by their buttons or by keys pressed where the focus is (the
    // card's own at first), and show where they stand; VerFormu returns the
    // position shown when the card was closed.
    void positions_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QStringList>("moves"); // a navigator's button, or keys
        QTest::addColumn<QString>("ref");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<int>("position");
        QTest::newRow("two next from the first")
            << AllOffers << 3 << QStringList{"next", "next"} << "MA/2" << "Fichas 3 de 5 | Fotos" << 3;
        QTest::newRow("key not in the search")
            << AllOffers << 99 << QStringList() << "NE/3" << "Fichas 1 de 5 | Fotos 1 de 3" << 1;
        QTest::newRow("nothing found") << QStringLiteral(" and ofertas.precioinmo>=9000000 ") << 1 << QStringList{"last"}
                                       << "" << "Fichas | Fotos" << 0;
        QTest::newRow("Page Down, Ctrl+End, Page Up")
            << AllOffers << 3 << QStringList{"PgDown", "Ctrl+End", "PgUp"} << "MA/5" << "Fichas 4 de 5 | Fotos" << 4;
        QTest::newRow("arrows and End step the photos")
            << AllOffers << 3 << QStringList{"Right", "End", "Left"} << "NE/3" << "Fichas 1 de 5 | Fotos 2 de 3" << 1;
        QTest::newRow("a text box keeps the arrows, not Page Down")
            << AllOffers << 3 << QStringList{"Tab", "PgDown", "Right"} << "MA/1" << "Fichas 2 de 5 | Fotos 1 de 2" << 2;
        QTest::newRow("Tab reaches the navigator, Enter presses")
            << AllOffers << 3 << QStringList{"Shift+Tab", "Shift+Tab", "Return"} << "NE/4" << "Fichas 5 de 5 | Fotos"
            << 5;
    }
    void positions()
    {
        QFETCH(QString, where);
        QFETCH(int, codigo);
        QFETCH(QStringList, moves);
        QFETCH(QString, ref);
        QFETCH(QString, captions);
        QFETCH(int, position);
        const int returned = verFormu(where, codigo, [&](card::frmficha &ficha) {
            QVERIFY(QTest::qWaitForWindowActive(&ficha));
            for (const QString &move : moves) {
                if (move.front().isLower()) {
                    navigate(ficha, "datprincip", qPrintable(move));
                } else {
                    const QKeyCombination key = QKeySequence(move)[0];
                    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
                }
            }
            QCOMPARE(cardBox(ficha, 5), ref);
            QCOMPARE(shownCaption(ficha, "datprincip") + " | " + shownCaption(ficha, "DatImagen"), captions);
        });
        QCOMPARE(returned, position);
    }

    // The qualities can be selected and copied from the keyboard but never
    // changed; Enter there presses no button.
    void qualitiesCopyButNeverChange()
    {
        verFormu(AllOffers, 4, [&](card::frmficha &ficha) {
            auto *qualities = child(ficha, "txtcampo22");
            qualities->setFocus();
            QTest::keyClick(qualities, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(qualities, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClicks(qualities, "x");
            QTest::keyClick(qualities, Qt::Key_Delete);
            QTest::keyClick(qualities, Qt::Key_Return);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("Garaje, Salón, Ascensor"));
            QCOMPARE(cardBox(ficha, 22), QGuiApplication::clipboard()->text());
            QVERIFY(ficha.isVisible());
        });
    }

    // Each navigator shows its caption and a position of three digits
    // whole, between first and previous on its left and next and last on
    // its right.
    void navigatorCaptions()
    {
        card::frmficha ficha(nullptr);
        viewer::FrmFoto photoViewer(1, nullptr);
        ficha.show();
        photoViewer.show();
        photoViewer.findChild<QWidget *>("FraFoto")->show();
        for (const QWidget *window : {static_cast<QWidget *>(&ficha), static_cast<QWidget *>(&photoViewer)}) {
            for (const auto *bar : window->findChildren<modcol::RecordNavigator *>()) {
                // A bar of the same place and font on its 120th row of 120.
                modcol::RecordNavigator widest(bar->parentWidget());
                widest.setGeometry(bar->geometry());
                widest.setFont(bar->font());
                widest.setCaption(bar->caption());
                auto rows = std::make_unique<catalogue::Recordset>(QStringList{"n"}, std::vector<QVariant>(120));
                widest.setRecordset(std::move(rows));
                widest.recordset()->MoveLast();
                const auto *caption = widest.findChild<QLabel *>();
                const QString where = bar->objectName() + ' ' + caption->text();
                const QRect room = caption->contentsRect();
                QVERIFY2(room.contains(caption->fontMetrics().boundingRect(room, Qt::AlignCenter, caption->text())),
                         qPrintable(where));
                QList<int> order;
                for (const char *button : {"first", "previous", "", "next", "last"})
                    order << (*button ? widest.findChild<QWidget *>(button) : caption)->geometry().right();
                QVERIFY2(std::is_sorted(order.cbegin(), order.cend()) && order.last() == bar->width() - 1,
                         qPrintable(where));
            }
        }
    }

private:
    std::unique_ptr<PartnerFolder> m_folder;
};

QTEST_MAIN(TestFrmFicha)
#include "tst_frmficha.moc"

// The filter band on its own, driven by keys and clicks: the cascading
// lists, the keys each control takes, the zone message, and the offers that
// the clauses of a search find.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "partnerfolder.h"
#include "results/searchfilters.h"
#include "startup/modcol.h"
#include "statements/statements.h"

using namespace testsupport;
using namespace results;

namespace {

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// A choice from the list's drop-down, as the user makes it.
void choose(QComboBox *list, const QString &text)
{
    const int row = list->findText(text);
    QVERIFY2(row >= 0, qPrintable(text));
    list->showPopup();
    QTRY_VERIFY(list->view()->isVisible());
    list->view()->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    QCOMPARE(list->currentText(), text);
}

} // namespace

class TestSearchFilters : public QObject
{
    Q_OBJECT

private slots:
    // Key 0 is no real offer: its type and city are listed nowhere.
    void init()
    {
        QList<Offer> offers{
            {1, 150000, "Piso", "MÁLAGA", "Centro"},
            {2, 90000, "Piso", "L'Alfàs del Pi", "Playa de l'Albir"},
            {3, 300000, "Chalet", "MÁLAGA", "Limonar"},
            {4, 200000, "ÁTICO", "Nerja", "Centro"},
            {5, 120000, "Piso", "MÁLAGA", "Limonar"},
            {0, 1000, "Solar", "Marbella", "Centro"},
            {6, 250000, "LOCAL COMERCIAL", "Nerja", "Centro"},
        };
        offers[0].piscinaProp = true;
        offers[2].piscinaCom = true;
        m_folder = std::make_unique<PartnerFolder>(offers);
        m_band = std::make_unique<SearchFilters>();
        m_band->showFirstLists(SearchFilters::readFirstLists(*modcol::BaseDatos, m_band->MontaFiltro(false)));
        m_band->show();
        QVERIFY(QTest::qWaitForWindowActive(m_band.get()));
        m_searches = std::make_unique<QSignalSpy>(m_band.get(), &SearchFilters::searchRequested);
        m_controls = m_band->testAccess();
    }
    void cleanup()
    {
        m_searches.reset();
        m_band.reset();
        m_folder.reset();
    }

    // Real offers only, re-cased, sorted as stored, none chosen at first.
    // Prices and the pool box narrow the search only, never the lists.
    void listsCascade()
    {
        QCOMPARE(entries(m_controls.cbtipo), QStringList({"Ático", "Chalet", "Local comercial", "Piso"}));
        QCOMPARE(entries(m_controls.cbciudad), QStringList({"L'alfàs del pi", "Málaga", "Nerja"}));
        for (const QComboBox *list : {m_controls.cbtipo, m_controls.cbciudad, m_controls.cbzona})
            QVERIFY(list->currentText().isEmpty());
        QTest::keyClicks(m_controls.txtdesde, "999999999");
        QTest::keyClicks(m_controls.txthasta, "1");
        m_controls.chkpiscina->setChecked(true);
        choose(m_controls.cbtipo, "Piso");
        QCOMPARE(entries(m_controls.cbciudad), QStringList({"L'alfàs del pi", "Málaga"}));
        choose(m_controls.cbciudad, "Málaga");
        QCOMPARE(entries(m_controls.cbzona), QStringList({"Centro", "Limonar"}));
        choose(m_controls.cbzona, "Limonar");

        choose(m_controls.cbtipo, "Chalet");
        QCOMPARE(m_controls.cbciudad->currentText() + m_controls.cbzona->currentText(), QString());
        QCOMPARE(m_controls.cbzona->count(), 0);
        QCOMPARE(entries(m_controls.cbciudad), QStringList({"Málaga"}));
    }

    // With Piso, Málaga and Limonar chosen, one key on one control. A focused
    // "Buscar" is pressed by Enter as Space presses it, yet is no default
    // button: Enter in the type list does nothing. The wheel changes no list.
    void keys_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key"); // 0: the wheel, a step either way
        QTest::addColumn<QString>("texts");
        QTest::addColumn<int>("zones");
        QTest::addColumn<bool>("searched");
        const QString all = "Piso|Málaga|Limonar";
        QTest::newRow("type, Delete refills the cities") << "cbtipo" << int(Qt::Key_Delete) << "Piso||" << 0 << false;
        QTest::newRow("type, letter discarded") << "cbtipo" << int(Qt::Key_C) << all << 2 << false;
        QTest::newRow("type, arrow chooses") << "cbtipo" << int(Qt::Key_Up) << "Local comercial||" << 0 << false;
        QTest::newRow("type, Enter does not search") << "cbtipo" << int(Qt::Key_Return) << all << 2 << false;
        QTest::newRow("type, wheel") << "cbtipo" << 0 << all << 2 << false;
        QTest::newRow("city, Backspace: zones of the type") << "cbciudad" << int(Qt::Key_Backspace) << "Piso||" << 3
                                                             << false;
        QTest::newRow("city, keypad Enter searches") << "cbciudad" << int(Qt::Key_Enter) << all << 2 << true;
        QTest::newRow("city, arrow discarded") << "cbciudad" << int(Qt::Key_Up) << all << 2 << false;
        QTest::newRow("zone, Delete") << "cbzona" << int(Qt::Key_Delete) << "Piso|Málaga|" << 2 << false;
        QTest::newRow("zone, Enter searches") << "cbzona" << int(Qt::Key_Return) << all << 2 << true;
        QTest::newRow("price, keypad Enter searches") << "txthasta" << int(Qt::Key_Enter) << all << 2 << true;
        QTest::newRow("Buscar, Enter") << "botbuscar" << int(Qt::Key_Return) << all << 2 << true;
    }
    void keys()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, texts);
        QFETCH(int, zones);
        QFETCH(bool, searched);
        choose(m_controls.cbtipo, "Piso");
        choose(m_controls.cbciudad, "Málaga");
        choose(m_controls.cbzona, "Limonar");
        QWidget *target = QHash<QString, QWidget *>{{"cbtipo", m_controls.cbtipo},
                                                    {"cbciudad", m_controls.cbciudad},
                                                    {"cbzona", m_controls.cbzona},
                                                    {"txthasta", m_controls.txthasta},
                                                    {"botbuscar", m_controls.botbuscar}}[control];
        for (int delta : key == 0 ? QList<int>{120, -120} : QList<int>()) {
            QWheelEvent wheel({5, 5}, target->mapToGlobal(QPointF(5, 5)), {}, {0, delta}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        }
        if (key != 0)
            QTest::keyClick(target, Qt::Key(key));
        const QStringList shown{m_controls.cbtipo->currentText(), m_controls.cbciudad->currentText(),
                                m_controls.cbzona->currentText()};
        QCOMPARE(shown.join('|'), texts);
        QCOMPARE(m_controls.cbzona->count(), zones);
        QCOMPARE(m_searches->size(), searched ? 1 : 0);
    }

    // Each attempt to enter the zones without a city, by Tab or by mouse,
    // shows the message once and puts the focus on the city list, also when a
    // cleared city left the type's zones listed; focus that comes back with
    // the window does not, nor does Tab once a city is chosen.
    void zonesNeedACity()
    {
        QStringList seen;
        const WhenShown<QMessageBox> answer([&](QMessageBox &box) {
            seen << box.windowTitle() + '|' + box.text() + '|' + QString::number(box.icon());
        });
        choose(m_controls.cbtipo, "Piso");
        choose(m_controls.cbciudad, "Málaga");
        QTest::keyClick(m_controls.cbciudad, Qt::Key_Backspace);
        m_controls.cbciudad->setFocus();
        QTest::keyClick(m_controls.cbciudad, Qt::Key_Tab);
        QTRY_COMPARE(seen, QStringList{"PROPIEDADES COLABORADOR|Debes de seleccionar una Localidad|"
                                       + QString::number(QMessageBox::Information)});
        QTRY_COMPARE(m_band->focusWidget(), m_controls.cbciudad);
        m_band->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_band.get()));
        QTest::mouseClick(m_controls.cbzona, Qt::LeftButton);
        QVERIFY(!m_controls.cbzona->view()->isVisible());
        QTRY_COMPARE(seen.size(), 2);
        QTRY_COMPARE(m_band->focusWidget(), m_controls.cbciudad);

        QFocusEvent activation(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(m_controls.cbzona, &activation);
        m_band->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_band.get()));
        choose(m_controls.cbciudad, "Málaga");
        QTest::keyClick(m_controls.cbciudad, Qt::Key_Tab);
        QCOMPARE(m_band->focusWidget(), m_controls.cbzona);
        QCoreApplication::processEvents();
        QCOMPARE(seen.size(), 2);
    }

    // What the controls hold finds the offers it should: quotes doubled,
    // bounds as typed (letters never get in) and inclusive, names re-cased
    // yet found, either pool, real offers only.
    void filtersFindTheOffers_data()
    {
        QTest::addColumn<QStringList>("choices"); // type, city, zone, Precio Desde, Precio Hasta, pool
        QTest::addColumn<int>("found");
        QTest::newRow("apostrophes, leading zeros")
            << QStringList{"Piso", "L'alfàs del pi", "Playa de l'albir", "0a07", "", ""} << 1;
        QTest::newRow("re-cased names") << QStringList{"Ático", "Nerja", "", "", "", ""} << 1;
        QTest::newRow("either pool") << QStringList{"", "", "", "", "", "x"} << 2;
        QTest::newRow("nothing") << QStringList{"", "", "", "", "", ""} << 6;
        QTest::newRow("priced exactly at Precio Desde") << QStringList{"Piso", "Málaga", "", "150000", "", ""} << 1;
        QTest::newRow("priced exactly at Precio Hasta") << QStringList{"", "", "", "", "9x0000", ""} << 1;
    }
    void filtersFindTheOffers()
    {
        QFETCH(QStringList, choices);
        QFETCH(int, found);
        const QList<QComboBox *> lists{m_controls.cbtipo, m_controls.cbciudad, m_controls.cbzona};
        for (int i = 0; i < lists.size(); ++i) {
            if (!choices[i].isEmpty())
                choose(lists[i], choices[i]);
        }
        QTest::keyClicks(m_controls.txtdesde, choices[3]);
        QTest::keyClicks(m_controls.txthasta, choices[4]);
        m_controls.chkpiscina->setChecked(!choices[5].isEmpty());
        const QString sql = modcol::searchStatement(m_band->MontaFiltro(true));
        QCOMPARE(modcol::BaseDatos->OpenRecordset(sql)->RecordCount(), found);
    }

private:
    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<SearchFilters> m_band;
    std::unique_ptr<QSignalSpy> m_searches;
    SearchFilters::TestAccess m_controls{};
};

QTEST_MAIN(TestSearchFilters)
#include "tst_searchfilters.moc"

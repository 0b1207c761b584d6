// The filter band on its own, driven by keys and clicks: the cascading
// lists, the keys each control takes, the zone message, the price boxes and
// the clauses a search sends.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
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

// Key 0 is no real offer: its type and city are listed nowhere.
QList<Offer> sampleOffers()
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
    return offers;
}

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// Whether every entry, chosen, shows whole in the closed list.
bool entriesFit(const QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    for (const QString &entry : entries(list)) {
        if (list->fontMetrics().horizontalAdvance(entry) >= field.width())
            return false;
    }
    return true;
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
    void init()
    {
        m_folder = std::make_unique<PartnerFolder>(sampleOffers());
        m_band = std::make_unique<SearchFilters>();
        m_band->showFirstLists(SearchFilters::readFirstLists(*modcol::BaseDatos, m_band->MontaFiltro(false)));
        m_band->show();
        QVERIFY(QTest::qWaitForWindowActive(m_band.get()));
        m_searches = std::make_unique<QSignalSpy>(m_band.get(), &SearchFilters::searchRequested);
        m_tipo = child<QComboBox>(*m_band, "cbtipo");
        m_ciudad = child<QComboBox>(*m_band, "cbciudad");
        m_zona = child<QComboBox>(*m_band, "cbzona");
    }

    void cleanup()
    {
        m_searches.reset();
        m_band.reset();
        m_folder.reset();
    }

    // Real offers only, re-cased, sorted as stored, each whole once chosen,
    // none chosen at first. Prices and the pool box, set first, narrow the
    // search only, never the lists.
    void listsCascade_data()
    {
        QTest::addColumn<bool>("filtersFirst");
        QTest::newRow("lists alone") << false;
        QTest::newRow("prices and pool set first") << true;
    }

    void listsCascade()
    {
        QFETCH(bool, filtersFirst);
        QCOMPARE(entries(m_tipo), QStringList({"Ático", "Chalet", "Local comercial", "Piso"}));
        QCOMPARE(entries(m_ciudad), QStringList({"L'alfàs del pi", "Málaga", "Nerja"}));
        for (const QComboBox *list : {m_tipo, m_ciudad, m_zona}) {
            QVERIFY(list->currentText().isEmpty());
            QVERIFY(entriesFit(list));
        }
        if (filtersFirst) {
            QTest::keyClicks(child<QLineEdit>(*m_band, "txtdesde"), "999999999");
            QTest::keyClicks(child<QLineEdit>(*m_band, "txthasta"), "1");
            child<QCheckBox>(*m_band, "chkpiscina")->setChecked(true);
        }
        choose(m_tipo, "Piso");
        QCOMPARE(entries(m_ciudad), QStringList({"L'alfàs del pi", "Málaga"}));
        choose(m_ciudad, "Málaga");
        QCOMPARE(entries(m_zona), QStringList({"Centro", "Limonar"}));
        choose(m_zona, "Limonar");

        choose(m_tipo, "Chalet");
        QCOMPARE(m_ciudad->currentText() + m_zona->currentText(), QString());
        QCOMPARE(m_zona->count(), 0);
        QCOMPARE(entries(m_ciudad), QStringList({"Málaga"}));
    }

    // With Piso, Málaga and Limonar chosen, one key on one control. A focused
    // "Buscar" is pressed by Enter as Space presses it, yet is no default
    // button: Enter in the type list does nothing.
    void keys_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<int>("zones");
        QTest::addColumn<bool>("searched");
        const QString all = "Piso|Málaga|Limonar";
        QTest::newRow("type, Delete refills the cities") << "cbtipo" << int(Qt::Key_Delete) << "Piso||" << 0 << false;
        QTest::newRow("type, letter discarded") << "cbtipo" << int(Qt::Key_C) << all << 2 << false;
        QTest::newRow("type, arrow chooses") << "cbtipo" << int(Qt::Key_Up) << "Local comercial||" << 0 << false;
        QTest::newRow("type, Enter does not search") << "cbtipo" << int(Qt::Key_Return) << all << 2 << false;
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
        choose(m_tipo, "Piso");
        choose(m_ciudad, "Málaga");
        choose(m_zona, "Limonar");
        QTest::keyClick(child(*m_band, control), Qt::Key(key));
        QCOMPARE(m_tipo->currentText() + '|' + m_ciudad->currentText() + '|' + m_zona->currentText(), texts);
        QCOMPARE(m_zona->count(), zones);
        QCOMPARE(m_searches->size(), searched ? 1 : 0);
    }

    void wheelChangesNoList()
    {
        choose(m_tipo, "Chalet");
        for (int delta : {120, -120}) {
            QWheelEvent wheel(QPointF(5, 5), m_tipo->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(m_tipo, &wheel);
        }
        QCOMPARE(m_tipo->currentText(), QString("Chalet"));
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
        const QString message = "PROPIEDADES COLABORADOR|Debes de seleccionar una Localidad|"
            + QString::number(QMessageBox::Information);
        choose(m_tipo, "Piso");
        choose(m_ciudad, "Málaga");
        QTest::keyClick(m_ciudad, Qt::Key_Backspace);
        m_ciudad->setFocus();
        QTest::keyClick(m_ciudad, Qt::Key_Tab);
        QTRY_COMPARE(seen, QStringList{message});
        QTRY_COMPARE(m_band->focusWidget(), m_ciudad);

        m_band->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_band.get()));
        QTest::mouseClick(m_zona, Qt::LeftButton);
        QVERIFY(!m_zona->view()->isVisible());
        QTRY_COMPARE(seen.size(), 2);
        QTRY_COMPARE(m_band->focusWidget(), m_ciudad);

        QFocusEvent activation(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(m_zona, &activation);
        m_band->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_band.get()));
        choose(m_ciudad, "Málaga");
        QTest::keyClick(m_ciudad, Qt::Key_Tab);
        QCOMPARE(m_band->focusWidget(), m_zona);
        QCoreApplication::processEvents();
        QCOMPARE(seen.size(), 2);
    }

    // Typed or pasted, only digits stay.
    void priceBoxesTakeDigitsOnly()
    {
        auto *desde = child<QLineEdit>(*m_band, "txtdesde");
        auto *hasta = child<QLineEdit>(*m_band, "txthasta");
        QTest::keyClicks(desde, "12a3");
        QGuiApplication::clipboard()->setText("4x5");
        QTest::keyClick(hasta, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(desde->text() + '|' + hasta->text(), QString("123|45"));
    }

    // The pool box is painted in the band's grey, not in a button's colour.
    void poolBoxOnTheBand()
    {
        auto *piscina = child<QCheckBox>(*m_band, "chkpiscina");
        const QImage box = piscina->grab().toImage();
        QCOMPARE(box.pixelColor(box.width() - 1, 0), QColor(0xBF, 0xBF, 0xBF));
        QCOMPARE(m_band->grab().toImage().pixelColor(piscina->x() - 1, piscina->y()), QColor(0xBF, 0xBF, 0xBF));
    }

    // What the controls hold finds the offers it should: quotes doubled,
    // bounds as typed, names re-cased yet found, either pool, real offers only.
    void filtersFindTheOffers_data()
    {
        QTest::addColumn<QStringList>("choices"); // type, city, zone, lowest price, pool
        QTest::addColumn<int>("found");
        QTest::newRow("apostrophes, leading zeros") << QStringList{"Piso", "L'alfàs del pi", "Playa de l'albir", "007", ""}
                                                    << 1;
        QTest::newRow("re-cased names") << QStringList{"Ático", "Nerja", "", "", ""} << 1;
        QTest::newRow("either pool") << QStringList{"", "", "", "", "x"} << 2;
        QTest::newRow("nothing") << QStringList{"", "", "", "", ""} << 6;
    }

    void filtersFindTheOffers()
    {
        QFETCH(QStringList, choices);
        QFETCH(int, found);
        for (int i = 0; i < 3; ++i) {
            if (!choices[i].isEmpty())
                choose(QList<QComboBox *>{m_tipo, m_ciudad, m_zona}[i], choices[i]);
        }
        QTest::keyClicks(child<QLineEdit>(*m_band, "txtdesde"), choices[3]);
        child<QCheckBox>(*m_band, "chkpiscina")->setChecked(!choices[4].isEmpty());
        const QString sql = modcol::searchStatement(m_band->MontaFiltro(true));
        QCOMPARE(modcol::BaseDatos->OpenRecordset(sql)->RecordCount(), found);
    }

private:
    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<SearchFilters> m_band;
    std::unique_ptr<QSignalSpy> m_searches;
    QComboBox *m_tipo = nullptr;
    QComboBox *m_ciudad = nullptr;
    QComboBox *m_zona = nullptr;
};

QTEST_MAIN(TestSearchFilters)
#include "tst_searchfilters.moc"

// The filter band of the results window, driven by keys and clicks: the
// cascading lists, the keys each control takes, the zone message and the
// price boxes.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "results/resultpages.h"
#include "resultsfixture.h"

using namespace resultstest;
using namespace results;

namespace {

// Key 0 is no real offer: its type and city are listed nowhere.
QList<Oferta> ofertasDePrueba()
{
    QList<Oferta> ofertas{
        Oferta(1, 150000, "Piso", "MÁLAGA", "Centro"),
        Oferta(2, 90000, "Piso", "L'Alfàs del Pi", "Playa de l'Albir"),
        Oferta(3, 300000, "Chalet", "MÁLAGA", "Limonar"),
        Oferta(4, 200000, "ÁTICO", "Nerja", "Centro"),
        Oferta(5, 120000, "Piso", "MÁLAGA", "Limonar"),
        Oferta(0, 1000, "Solar", "Marbella", "Centro"),
    };
    ofertas[0].piscinaProp = true;
    ofertas[2].piscinaCom = true;
    return ofertas;
}

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
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(list->currentText(), text);
}

// Closes every message box that appears and remembers it.
class MessageWatcher : public QObject
{
public:
    MessageWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
                box->accept();
            }
        });
        m_timer.start(5);
    }

    QStringList seen;

private:
    QTimer m_timer;
};

} // namespace

class TestSearchFilters : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<ResultsFixture>(ofertasDePrueba());
        m_fixture->window();
        m_tipo = m_fixture->control<QComboBox>("cbtipo");
        m_ciudad = m_fixture->control<QComboBox>("cbciudad");
        m_zona = m_fixture->control<QComboBox>("cbzona");
    }

    void cleanup() { m_fixture.reset(); }

    // Real offers only, names re-cased, sorted as stored; no text chosen.
    void listsAfterFirstLayout()
    {
        QCOMPARE(entries(m_tipo), QStringList({"Ático", "Chalet", "Piso"}));
        QCOMPARE(entries(m_ciudad), QStringList({"L'alfàs del pi", "Málaga", "Nerja"}));
        QCOMPARE(m_zona->count(), 0);
        for (const QComboBox *list : {m_tipo, m_ciudad, m_zona})
            QVERIFY(list->currentText().isEmpty());
    }

    void listsCascade()
    {
        choose(m_tipo, "Piso");
        QCOMPARE(entries(m_ciudad), QStringList({"L'alfàs del pi", "Málaga"}));
        choose(m_ciudad, "Málaga");
        QCOMPARE(entries(m_zona), QStringList({"Centro", "Limonar"}));
        choose(m_zona, "Limonar");

        choose(m_tipo, "Chalet");
        QCOMPARE(m_ciudad->currentText(), QString());
        QCOMPARE(m_zona->currentText(), QString());
        QCOMPARE(m_zona->count(), 0);
        QCOMPARE(entries(m_ciudad), QStringList({"Málaga"}));

        choose(m_tipo, "Piso");
        choose(m_ciudad, "L'alfàs del pi");
        QCOMPARE(entries(m_zona), QStringList({"Playa de l'albir"}));
    }

    // With Piso, Málaga and Limonar chosen, one key on one list.
    void listKeys_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<int>("zones");
        QTest::addColumn<bool>("searched");
        const QString all = "Piso|Málaga|Limonar";
        QTest::newRow("type, Delete refills the cities") << "cbtipo" << int(Qt::Key_Delete) << "Piso||" << 0 << false;
        QTest::newRow("type, letter discarded") << "cbtipo" << int(Qt::Key_C) << all << 2 << false;
        QTest::newRow("type, arrow is a choice of type") << "cbtipo" << int(Qt::Key_Up) << "Chalet||" << 0 << false;
        QTest::newRow("type, Enter does not search") << "cbtipo" << int(Qt::Key_Return) << all << 2 << false;
        QTest::newRow("city, Backspace: zones of the type")
            << "cbciudad" << int(Qt::Key_Backspace) << "Piso||" << 3 << false;
        QTest::newRow("city, Enter searches") << "cbciudad" << int(Qt::Key_Return) << all << 2 << true;
        QTest::newRow("city, keypad Enter searches") << "cbciudad" << int(Qt::Key_Enter) << all << 2 << true;
        QTest::newRow("city, arrow discarded") << "cbciudad" << int(Qt::Key_Up) << all << 2 << false;
        QTest::newRow("zone, Delete") << "cbzona" << int(Qt::Key_Delete) << "Piso|Málaga|" << 2 << false;
        QTest::newRow("zone, Enter searches") << "cbzona" << int(Qt::Key_Return) << all << 2 << true;
        QTest::newRow("zone, letter discarded") << "cbzona" << int(Qt::Key_C) << all << 2 << false;
    }

    void listKeys()
    {
        QFETCH(QString, list);
        QFETCH(int, key);
        QFETCH(QString, texts);
        QFETCH(int, zones);
        QFETCH(bool, searched);
        choose(m_tipo, "Piso");
        choose(m_ciudad, "Málaga");
        choose(m_zona, "Limonar");

        QTest::keyClick(m_fixture->control<QComboBox>(qPrintable(list)), Qt::Key(key));
        QCOMPARE(m_tipo->currentText() + '|' + m_ciudad->currentText() + '|' + m_zona->currentText(), texts);
        QCOMPARE(m_zona->count(), zones);
        QCOMPARE(m_fixture->control<QWidget>("frmimagen")->isHidden(), searched);
    }

    void wheelChangesNoList()
    {
        choose(m_tipo, "Chalet");
        for (QComboBox *list : {m_tipo, m_ciudad}) {
            for (int delta : {120, -120}) {
                QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(list, &wheel);
            }
        }
        QCOMPARE(m_tipo->currentText(), QString("Chalet"));
        QCOMPARE(m_ciudad->currentText(), QString());
    }

    // Each attempt to enter the zones without a city shows the message once
    // and leaves the focus on the city list, also when a cleared city left
    // the zones of the type to choose from; focus that comes back with the
    // window does not.
    void zonesNeedACity()
    {
        frmresul &window = m_fixture->window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        choose(m_tipo, "Piso");
        choose(m_ciudad, "Málaga");
        QTest::keyClick(m_ciudad, Qt::Key_Backspace);
        QCOMPARE(m_zona->count(), 3);
        MessageWatcher watcher;
        const QString message = "PROPIEDADES COLABORADOR|Debes de seleccionar una Localidad|"
            + QString::number(QMessageBox::Information);

        m_ciudad->setFocus();
        QTest::keyClick(m_ciudad, Qt::Key_Tab);
        QTRY_COMPARE(watcher.seen, QStringList{message});
        QTRY_COMPARE(window.focusWidget(), m_ciudad);

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(m_zona, Qt::LeftButton);
        QVERIFY(!m_zona->view()->isVisible());
        QTRY_COMPARE(watcher.seen, QStringList({message, message}));
        QTRY_COMPARE(window.focusWidget(), m_ciudad);

        QFocusEvent activation(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(m_zona, &activation);
        QCoreApplication::processEvents();
        QCOMPARE(watcher.seen.size(), 2);

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        choose(m_ciudad, "Málaga");
        m_ciudad->setFocus();
        QTest::keyClick(m_ciudad, Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), m_zona);
        QCoreApplication::processEvents();
        QCOMPARE(watcher.seen.size(), 2);
    }

    void priceBoxesTakeDigitsOnly()
    {
        auto *desde = m_fixture->control<QLineEdit>("txtdesde");
        auto *hasta = m_fixture->control<QLineEdit>("txthasta");
        QTest::keyClicks(desde, "12a3");
        QCOMPARE(desde->text(), QString("123"));
        QGuiApplication::clipboard()->setText("4x5");
        QTest::keyClick(hasta, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(hasta->text(), QString("45"));
        QVERIFY(!m_fixture->control<QWidget>("frmimagen")->isHidden());
        QTest::keyClick(hasta, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(m_fixture->control<QWidget>("frmimagen")->isHidden());
    }

    // The clauses a search sends, as the card will receive them.
    void searchSendsTheClauses_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("ciudad");
        QTest::addColumn<QString>("zona");
        QTest::addColumn<QString>("desde");
        QTest::addColumn<bool>("piscina");
        QTest::addColumn<QString>("clauses");
        QTest::addColumn<int>("found");
        QTest::newRow("apostrophes, leading zeros")
            << "Piso" << "L'alfàs del pi" << "Playa de l'albir" << "007" << false
            << " and tipo.tipo_ofer='Piso'  and ciudad.ciudad='L''alfàs del pi'  and zonas.zona='Playa de l''albir' "
               " and ofertas.precioinmo>=007 "
            << 1;
        QTest::newRow("re-cased names find capitals")
            << "Ático" << "Nerja" << "" << "" << false << " and tipo.tipo_ofer='Ático'  and ciudad.ciudad='Nerja'  " << 1;
        QTest::newRow("either pool") << "" << "" << "" << "" << true
                                     << " and (ofertas.piscina_prop=true or ofertas.piscina_com=true) " << 2;
        QTest::newRow("nothing: every real offer") << "" << "" << "" << "" << false << " " << 5;
    }

    void searchSendsTheClauses()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, ciudad);
        QFETCH(QString, zona);
        QFETCH(QString, desde);
        QFETCH(bool, piscina);
        QFETCH(QString, clauses);
        QFETCH(int, found);
        for (auto [list, text] : {std::pair{m_tipo, tipo}, std::pair{m_ciudad, ciudad}, std::pair{m_zona, zona}}) {
            if (!text.isEmpty())
                choose(list, text);
        }
        QTest::keyClicks(m_fixture->control<QLineEdit>("txtdesde"), desde);
        m_fixture->control<QCheckBox>("chkpiscina")->setChecked(piscina);
        m_fixture->search();

        int shown = 0;
        while (shown < 12 && m_fixture->control<QWidget>(qPrintable(QString("imagen%1").arg(shown)))->isVisible())
            ++shown;
        QCOMPARE(shown, found);
        const CardsClosed closed;
        QSignalSpy clicked(m_fixture->window().findChild<ResultPages *>(), &ResultPages::ofertaPulsada);
        QTest::mouseClick(m_fixture->control<QWidget>("lbprecio0"), Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.first().first().toString(), clauses);
    }

private:
    std::unique_ptr<ResultsFixture> m_fixture;
    QComboBox *m_tipo = nullptr;
    QComboBox *m_ciudad = nullptr;
    QComboBox *m_zona = nullptr;
};

QTEST_MAIN(TestSearchFilters)
#include "tst_searchfilters.moc"

// The results window as a whole, on a screen of 1024 x 768 pixels: the
// start panel's logo and "Mas información", the maker's window, showing
// again, Escape and the ways the program ends.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "card/frmficha.h"
#include "catalogue/database.h"
#include "partnerfolder.h"
#include "results/frmbrezomar.h"
#include "results/frmresul.h"
#include "startup/modcol.h"
#include "pictures/pictureloader.h"
#include "viewer/frmfoto.h"

using namespace testsupport;
using namespace results;

// Stands in for the desktop's opener.
class Opener : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestFrmResul : public QObject
{
    Q_OBJECT

public:
    // A screen of 1024 x 768 pixels for the whole run.
    static void initMain() { useScreens({QSize(1024, 768)}); }

private slots:
    void init() { m_folder = std::make_unique<PartnerFolder>(consecutiveOffers(3)); }
    void cleanup()
    {
        m_window.reset();
        m_folder.reset();
    }

    // The agency's logo on the panel: at most as high as the room from the
    // agency's name down to the maker's logo less 200 twips, at most as wide
    // as the panel less 400 twips, never enlarged, proportions kept and
    // centred across the panel. A file that is no picture leaves the panel
    // without a logo. The logo is decoded off the window's thread and comes
    // when it is ready (issue 17).
    void logoOnThePanel_data()
    {
        QTest::addColumn<QSize>("picture"); // invalid: an empty file
        QTest::addColumn<QSize>("shown");   // invalid: as high as the room
        QTest::newRow("small: its own size") << QSize(200, 80) << QSize(200, 80);
        QTest::newRow("wide: the panel less 400 twips") << QSize(2000, 100) << QSize(947, 47);
        QTest::newRow("tall: shrunk to the room") << QSize(100, 2000) << QSize();
        QTest::newRow("no picture") << QSize() << QSize();
    }

    void logoOnThePanel()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        const QString file = m_folder->appFolder() + "/LogoColaborador.JPG";
        if (picture.isValid())
            writePicture(file, picture);
        else
            QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        const QWidget *panel = child(window(), "frmimagen");
        const auto *loader = panel->findChild<modcol::PictureLoader *>();
        QVERIFY(loader);
        QTRY_COMPARE(loader->outstanding(), 0);
        QCOMPARE(loader->decodesStarted(), 1);
        const QWidget *name = child(*m_window, "lbtexto");
        const QWidget *maker = child(*m_window, "Image1");
        const auto *logo = child<QLabel>(*m_window, "imglogo");
        QCOMPARE(logo->pixmap().isNull(), !picture.isValid());
        QVERIFY(maker->isVisible());
        if (!picture.isValid())
            return;
        const double room = maker->y() - 200 / 15.0 - name->y() - name->height();
        if (shown.isValid())
            QCOMPARE(logo->size(), shown);
        else
            QVERIFY(qAbs(logo->height() - room) <= 1);
        QVERIFY(qAbs(logo->width() * picture.height() - logo->height() * picture.width())
                <= qMax(picture.width(), picture.height())); // within a pixel
        QVERIFY(qAbs(logo->x() * 2 + logo->width() - panel->width()) <= 2);
    }

    // The help icon shows only with the help document (in any case, as a
    // CD may name it) and opens it, or hides when the document has gone; the
    // web address opens in the browser.
    void makersWindowOpensHelpAndWeb()
    {
        Opener opener;
        for (const char *scheme : {"file", "http"})
            QDesktopServices::setUrlHandler(scheme, &opener, "open");
        const auto help = [](frmbrezomar &about) { return about.findChild<QWidget *>("Image1"); };
        frmbrezomar without(nullptr);
        QVERIFY(help(without)->isHidden());

        QFile pdf(m_folder->appFolder() + "/FuncionesBrezomar.PDF");
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        frmbrezomar about(nullptr);
        about.show();
        QTest::mouseClick(help(about), Qt::LeftButton);
        QVERIFY(pdf.remove());
        QTest::mouseClick(help(about), Qt::LeftButton);
        QVERIFY(help(about)->isHidden());
        QTest::mouseClick(about.findChild<QWidget *>("Label1"), Qt::LeftButton);
        QCOMPARE(opener.opened, QList<QUrl>({QUrl::fromLocalFile(pdf.fileName()), QUrl("http://www.brezomar.es")}));
        for (const char *scheme : {"file", "http"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    // Showing the window again, resized or maximised, neither opens the
    // catalogue again nor scales the window a second time; a catalogue that
    // lists no type opens all the same.
    void shownAgainChangesNothing_data()
    {
        QTest::addColumn<int>("offers");
        QTest::newRow("with offers") << 3;
        QTest::newRow("no type at all") << 0;
    }

    void shownAgainChangesNothing()
    {
        QFETCH(int, offers);
        m_folder = std::make_unique<PartnerFolder>(consecutiveOffers(offers));
        frmresul &window = this->window();
        const catalogue::Database *opened = modcol::BaseDatos.get();
        QCOMPARE(child<QComboBox>(window, "cbtipo")->count(), offers > 0 ? 1 : 0);
        window.resize(600, 400);
        window.hide();
        window.show();
        window.showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(modcol::BaseDatos.get(), opened);
        // The grid's last cell, at 1.28 times its design place on the window.
        const auto *cell = child(window, "imagen11");
        QCOMPARE(QRect(cell->mapTo(&window, QPoint(0, 0)), cell->size()), QRect(829, 512, 165, 134));
    }

    void endings_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing working copy") << "sin-copia" << "copia.mdb";
        QTest::newRow("failing search") << "busqueda-falla" << "precioinmo";
        QTest::newRow("damaged photos, read after the lists") << "fotos-dañada" << "dañada (tabla «fotos»";
    }

    // Escape ends the program at once, whatever work runs in the background.
    void escapeWhileLoading()
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/resultsprobe", {"escape-cargando"});
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitCode(), 0);
    }

    // "Buscar" (or Enter in a price box) searches nothing until the lists
    // are there; then it shows page 1, the photos loaded or not yet.
    void searchOnlyOnceTheListsAreThere()
    {
        frmresul window;
        window.show();
        auto *buscar = child<QPushButton>(window, "botbuscar");
        QVERIFY(!buscar->isEnabled());
        QTest::keyClick(child(window, "txtdesde"), Qt::Key_Return);
        QTRY_VERIFY(buscar->isEnabled());
        QCOMPARE(window.windowTitle(), QString("PROPIEDADES COLABORADOR"));
        buscar->click();
        QTRY_COMPARE(window.windowTitle(), QString("PROPIEDADES COLABORADOR  ( Página 1 )"));
    }

    // One error box that says what went wrong, and a failure status.
    void endings()
    {
        QFETCH(QString, mode);
        QFETCH(QString, says);
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/resultsprobe", {mode});
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 1);
        const QStringList boxes = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith("box|PROPIEDADES COLABORADOR|") && boxes[0].contains(says), qPrintable(boxes[0]));
    }

    // Escape closes the drop-down, menu, message or window on top (each over
    // the window) and nothing else; on the window, also with the focus on a
    // list, it ends the program.
    void escapeClosesOnlyWhatIsOnTop()
    {
        frmresul &window = this->window();
        QSignalSpy ends(child<QPushButton>(window, "botcerrar"), &QPushButton::clicked);
        QStringList closed;
        const auto onTop = [] {
            QWidget *top = QApplication::activePopupWidget();
            return top ? top : QApplication::activeModalWidget();
        };
        QTimer escape;
        connect(&escape, &QTimer::timeout, this, [&] {
            if (QWidget *top = onTop()) {
                const QWidget *over = top->parentWidget();
                closed << QString("%1|%2").arg(top->metaObject()->className(), over ? over->objectName() : "");
                QTest::keyClick(top->focusWidget() ? top->focusWidget() : top, Qt::Key_Escape);
            }
        });
        escape.start(10);
        // A modal window shows from inside open(), which returns once it is closed.
        const auto step = [&](const std::function<void()> &open) {
            const qsizetype before = closed.size();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            open();
            QTRY_VERIFY(closed.size() > before && !onTop());
        };
        auto *ciudad = child<QComboBox>(window, "cbciudad");
        step([&] { QTest::mouseClick(child<QComboBox>(window, "cbtipo"), Qt::LeftButton); });
        step([&] {
            auto *box = child(window, "txtdesde");
            QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(box, &menu);
        });
        step([&] {
            ciudad->setFocus();
            QTest::keyClick(ciudad, Qt::Key_Tab);
        });
        step([&] { QTest::mouseClick(child(window, "Image1"), Qt::LeftButton); });
        QCOMPARE(closed, QStringList({"QComboBoxPrivateContainer|cbtipo", "QMenu|txtdesde", "QMessageBox|frmresul",
                                      "results::frmbrezomar|frmresul"}));
        QCOMPARE(ends.size(), 0);
        // The button's own ending would leave this run's later event loops
        // ended before they start.
        disconnect(child<QPushButton>(window, "botcerrar"), &QPushButton::clicked, &window, nullptr);
        QTest::keyClick(ciudad, Qt::Key_Escape);
        QCOMPARE(ends.size(), 1);
    }

    // "Mas información": the card over the results window without an offer,
    // every box empty; "AMPLIAR FOTO" and "Extraer Fotos" do nothing, and the
    // page is left alone. A card opened before the catalogue was opens it.
    void masInformacion()
    {
        frmresul &window = this->window();
        modcol::BaseDatos.reset();
        bool asked = false;
        const WhenShown<viewer::FrmFoto> viewer;
        const WhenShown<card::frmficha> driver([&](card::frmficha &ficha) {
            QCOMPARE(ficha.parentWidget(), &window);
            for (int i = 1; i <= 22; ++i)
                QCOMPARE(cardBox(ficha, i), QString());
            ficha.setFolderChooser([&](QWidget *) {
                asked = true;
                return QString();
            });
            QTest::mouseClick(child(ficha, "Command1"), Qt::LeftButton);
            child<QAction>(ficha, "mextraefotos")->trigger();
        });
        QTest::mouseClick(child(window, "Label4"), Qt::LeftButton);
        QVERIFY(driver.shown() == 1 && viewer.shown() == 0 && !asked);
        QVERIFY(modcol::BaseDatos);
        QVERIFY(child(window, "frmimagen")->isVisible());
        QCOMPARE(window.windowTitle(), QString("PROPIEDADES COLABORADOR"));
    }

private:
    // The results window on the partner folder, shown at the first call.
    frmresul &window()
    {
        if (!m_window) {
            m_window = std::make_unique<frmresul>();
            showNow(*m_window);
        }
        return *m_window;
    }

    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<frmresul> m_window;
};

QTEST_MAIN(TestFrmResul)

#include "tst_frmresul.moc"

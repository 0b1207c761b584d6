// The results window as a whole, on a screen of 1024 x 768 pixels: its
// layout after scaling, the start panel, the maker's window, the first
// layout, Escape and the ways the program ends.
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include "catalogue/database.h"
#include "results/frmbrezomar.h"
#include "results/startpanel.h"
#include "resultsfixture.h"
#include "startup/modcol.h"

using namespace resultstest;
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

private slots:
    void init() { m_fixture = std::make_unique<ResultsFixture>(ofertasSeguidas(3)); }
    void cleanup() { m_fixture.reset(); }

    // Every measure and every font grows by 1.28; design positions in
    // twips become pixels, here on the window.
    void scaledToTheScreen_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometry"); // height -1: from the font
        QTest::addColumn<double>("points");  // 0: no font of its own
        QTest::newRow("type list") << "cbtipo" << QRect(20, 31, 134, -1) << 12.48;
        QTest::newRow("type label") << "Label1" << QRect(20, 10, 115, 19) << 11.52;
        QTest::newRow("cell 5") << "imagen5" << QRect(287, 297, 165, 134) << 0.0;
        QTest::newRow("cell 11") << "imagen11" << QRect(829, 512, 165, 134) << 0.0;
        QTest::newRow("price 0") << "lbprecio0" << QRect(20, 219, 165, 22) << 12.48;
        QTest::newRow("scroll bar") << "barra" << QRect(20, 686, 974, 32) << 0.0;
        QTest::newRow("start panel") << "frmimagen" << QRect(20, 82, 974, 564) << 0.0;
        QTest::newRow("maker's logo, in the panel") << "Image1" << QRect(307, 533, 422, 96) << 0.0;
    }

    void scaledToTheScreen()
    {
        QFETCH(QString, control);
        QFETCH(QRect, geometry);
        QFETCH(double, points);
        frmresul &window = m_fixture->window();
        // Scaled once: showing again and resizing change nothing.
        window.hide();
        window.show();
        window.resize(700, 500);
        auto *widget = m_fixture->control<QWidget>(qPrintable(control));
        QRect expected = geometry;
        if (expected.height() < 0)
            expected.setHeight(widget->sizeHint().height());
        QCOMPARE(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()), expected);
        if (points > 0) {
            QCOMPARE(widget->font().pointSizeF(), points);
            QCOMPARE(widget->font().family(), QString("Arial"));
            QVERIFY(widget->font().bold());
        }
    }

    void logoSize_data()
    {
        QTest::addColumn<QSize>("logo");
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("ancho");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("fits: kept, never enlarged") << QSize(1000, 500) << 2000 << 3000 << QSize(1000, 500);
        QTest::newRow("wide: to the width, half to even") << QSize(30000, 1500) << 5000 << 14210 << QSize(14210, 710);
        QTest::newRow("tall: to the height") << QSize(4500, 9000) << 3000 << 14210 << QSize(1500, 3000);
        QTest::newRow("no height left") << QSize(1000, 500) << 0 << 3000 << QSize();
        QTest::newRow("no width left") << QSize(1000, 500) << 2000 << -1 << QSize();
    }

    void logoSize()
    {
        QFETCH(QSize, logo);
        QFETCH(int, alto);
        QFETCH(int, ancho);
        QFETCH(QSize, fitted);
        QCOMPARE(results::logoSize(logo, alto, ancho), fitted);
    }

    // The agency's logo on the panel: its top where the design puts it, at
    // most as high as the room from the agency's name down to the maker's
    // logo less 200 twips, at most as wide as the panel less 400 twips,
    // proportions kept and centred across the panel.
    void logoOnThePanel_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown"); // invalid: as high as the room
        QTest::newRow("small: its own size") << QSize(200, 80) << QSize(200, 80);
        QTest::newRow("wide: the panel less 400 twips") << QSize(2000, 100) << QSize(947, 47);
        QTest::newRow("tall: shrunk to the room") << QSize(100, 2000) << QSize();
    }

    void logoOnThePanel()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, shown);
        writePicture(m_fixture->appFolder() + "/LogoColaborador.JPG", picture);
        const QWidget *panel = m_fixture->control<QWidget>("frmimagen");
        const QWidget *name = m_fixture->control<QWidget>("lbtexto");
        const QWidget *maker = m_fixture->control<QWidget>("Image1");
        const auto *logo = m_fixture->control<QLabel>("imglogo");
        QVERIFY(!logo->pixmap().isNull());
        QCOMPARE(logo->y(), 102);
        const double room = maker->y() - 200 / 15.0 - name->y() - name->height();
        if (shown.isValid())
            QCOMPARE(logo->size(), shown);
        else
            QVERIFY(qAbs(logo->height() - room) <= 1);
        QVERIFY(qAbs(logo->width() * picture.height() - logo->height() * picture.width())
                <= qMax(picture.width(), picture.height())); // within a pixel
        QVERIFY(qAbs(logo->x() * 2 + logo->width() - panel->width()) <= 2);
    }

    void panelGoesOnWithoutALogo_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::newRow("no logo file") << QByteArray();
        QTest::newRow("unreadable logo") << QByteArray("no es un JPEG");
    }

    void panelGoesOnWithoutALogo()
    {
        QFETCH(QByteArray, file);
        if (!file.isEmpty()) {
            QFile logo(m_fixture->appFolder() + "/logocolaborador.jpg");
            QVERIFY(logo.open(QIODevice::WriteOnly));
            logo.write(file);
        }
        m_fixture->window();
        const auto *logo = m_fixture->control<QLabel>("imglogo");
        QVERIFY(logo->pixmap().isNull());
        if (file.isEmpty())
            QCOMPARE(logo->geometry(), QRect(31, 102, 165, 83));
        QVERIFY(m_fixture->control<QWidget>("lbtexto")->isVisible());
        QVERIFY(m_fixture->control<QWidget>("Image1")->isVisible());
        QVERIFY(m_fixture->control<QWidget>("Label4")->isVisible());
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

        QFile pdf(m_fixture->appFolder() + "/FuncionesBrezomar.PDF");
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

    // The catalogue is opened once per run, also when it lists no type.
    void catalogueOpensOnce_data()
    {
        QTest::addColumn<int>("offers");
        QTest::newRow("with offers") << 3;
        QTest::newRow("no type at all") << 0;
    }

    void catalogueOpensOnce()
    {
        QFETCH(int, offers);
        m_fixture = std::make_unique<ResultsFixture>(ofertasSeguidas(offers));
        frmresul &window = m_fixture->window();
        const catalogue::Database *opened = modcol::BaseDatos.get();
        QCOMPARE(m_fixture->control<QComboBox>("cbtipo")->count(), offers > 0 ? 1 : 0);
        window.resize(600, 400);
        window.hide();
        window.show();
        window.showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(modcol::BaseDatos.get(), opened);
    }

    void endings_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("missing working copy") << "sin-copia";
        QTest::newRow("failing search") << "busqueda-falla";
    }

    // One error box that says what went wrong, and a failure status.
    void endings()
    {
        QFETCH(QString, mode);
        int status = 0;
        const QStringList boxes = probe(mode, status).filter("box|");
        QCOMPARE(status, 1);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith("box|PROPIEDADES COLABORADOR|") && boxes[0].size() > 40, qPrintable(boxes[0]));
    }

    // Escape closes the drop-down, menu, message or window on top (each over
    // the window) and nothing else; on the window, also with the focus on a
    // list, it ends the program.
    void escapeClosesOnlyWhatIsOnTop()
    {
        int status = -1;
        QCOMPARE(probe("emergentes", status),
                 QStringList({"escape|QComboBoxPrivateContainer|cbtipo", "escape|QComboBoxPrivateContainer|cbciudad",
                              "escape|QMenu|txtdesde", "escape|QMessageBox|frmresul",
                              "escape|QComboBoxPrivateContainer|cbzona", "escape|results::frmbrezomar|frmresul",
                              "botcerrar", "exec|0"}));
    }

private:
    // The lines resultsprobe prints in `mode`, and its exit status.
    static QStringList probe(const QString &mode, int &status)
    {
        QProcess run;
        run.start(QCoreApplication::applicationDirPath() + "/resultsprobe", {mode});
        if (!run.waitForFinished(20000) || run.exitStatus() != QProcess::NormalExit)
            return {"crashed or hung"};
        status = run.exitCode();
        return QString::fromUtf8(run.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    std::unique_ptr<ResultsFixture> m_fixture;
};

// A screen of 1024 x 768 pixels for the whole run.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    QFile config(dir.filePath("pantalla.json"));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [{"name": "prueba", "x": 0, "y": 0, "width": 1024, "height": 768,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestFrmResul test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmresul.moc"

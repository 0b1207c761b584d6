// The results window as a whole, on a screen of 1024 x 768 pixels: its
// layout after scaling, the start panel, the maker's window, the first
// layout, and the ways the program ends.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "catalogue/database.h"
#include "results/startpanel.h"
#include "resultsfixture.h"
#include "startup/modcol.h"

using namespace resultstest;
using namespace results;

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

    // The agency's name fits its text at the scaled size.
    void agencyNameFitsItsText()
    {
        auto *name = m_fixture->control<QLabel>("lbtexto");
        QCOMPARE(name->text(), QString("Inmobiliaria de prueba"));
        QCOMPARE(name->font().pointSizeF(), 27.75 * 1.28);
        QCOMPARE(name->size(), name->sizeHint());
        QCOMPARE(name->pos(), QPoint(20, 31));
    }

    void logoSize_data()
    {
        QTest::addColumn<QSize>("logo");
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("ancho");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("fits: kept, never enlarged") << QSize(1000, 500) << 2000 << 3000 << QSize(1000, 500);
        QTest::newRow("fits exactly") << QSize(3000, 2000) << 2000 << 3000 << QSize(3000, 2000);
        QTest::newRow("wide: to the width, half to even") << QSize(30000, 1500) << 5000 << 14210 << QSize(14210, 710);
        QTest::newRow("tall: to the height") << QSize(4500, 9000) << 3000 << 14210 << QSize(1500, 3000);
        QTest::newRow("no height left") << QSize(1000, 500) << 0 << 3000 << QSize();
        QTest::newRow("less than none") << QSize(1000, 500) << -300 << 3000 << QSize();
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

    void makerLogoOpensTheMakersWindow()
    {
        frmresul &window = m_fixture->window();
        QString opened;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                opened = dialog->metaObject()->className() + QString(dialog->parentWidget() == &window ? " on" : "");
                dialog->reject();
            }
        });
        closer.start(5);
        QTest::mouseClick(m_fixture->control<QWidget>("Image1"), Qt::LeftButton);
        QCOMPARE(opened, QString("results::frmbrezomar on"));
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
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("status");
        QTest::newRow("missing working copy") << "sin-copia" << QStringList{"box|PROPIEDADES COLABORADOR|"} << 1;
        QTest::newRow("failing search") << "busqueda-falla" << QStringList{"box|PROPIEDADES COLABORADOR|"} << 1;
        QTest::newRow("Escape") << "escape" << QStringList() << 0;
    }

    // One error box and a failure status, or, for Escape, no box and an
    // ordinary end.
    void endings()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, boxes);
        QFETCH(int, status);
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/resultsprobe", {mode});
        QVERIFY(probe.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), status);
        const QStringList shown = lines.filter("box|");
        QCOMPARE(shown.size(), boxes.size());
        for (int i = 0; i < shown.size(); ++i) {
            QVERIFY2(shown[i].startsWith(boxes[i]), qPrintable(shown[i]));
            QVERIFY(shown[i].size() > boxes[i].size() + 10); // says what went wrong
        }
        if (status == 0)
            QCOMPARE(lines.last(), QString("exec|0"));
    }

    // Escape closes the drop-down, menu, message or window on top and
    // nothing else; on the window, also with the focus on a list, it ends the
    // program.
    void escapeClosesOnlyWhatIsOnTop()
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/resultsprobe", {"emergentes"});
        QVERIFY(probe.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines, QStringList({"escape|QComboBoxPrivateContainer", "closed|cbtipo",
                                     "escape|QComboBoxPrivateContainer", "closed|cbciudad", "escape|QMenu",
                                     "closed|menu", "escape|QMessageBox", "closed|localidad",
                                     "escape|QComboBoxPrivateContainer", "closed|cbzona",
                                     "escape|results::frmbrezomar", "closed|fabricante", "botcerrar", "exec|0"}));
    }

private:
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

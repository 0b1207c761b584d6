// The photo viewer on a screen of 1024 x 768 pixels: opening from the card,
// the grid and its paging, the single photo and its zoom, the slideshow,
// picking a photo, an offer without photos to show, and input that arrives
// while a page is still being drawn.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "catalogue/database.h"
#include "startup/modcol.h"
#include "startup/pictureloader.h"
#include "viewer/frmfoto.h"
#include "viewerfixture.h"

using namespace viewertest;
using viewer::FrmFoto;

namespace {

template <typename Control = QWidget>
Control *control(const FrmFoto &viewer, const QString &name)
{
    auto *found = viewer.findChild<Control *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QLabel *img(const FrmFoto &viewer, int k)
{
    return control<QLabel>(viewer, QStringLiteral("Img_%1").arg(k));
}

QString shownKey(const FrmFoto &viewer)
{
    return img(viewer, 0)->property("Tag").toString();
}

QString key(int i)
{
    return QString::number(keyOf(i));
}

// "1 2 3" as the keys of photos 1, 2 and 3.
QStringList keys(const QString &photos)
{
    QStringList list;
    for (const QString &i : photos.split(u' ', Qt::SkipEmptyParts))
        list << key(i.toInt());
    return list;
}

void click(const FrmFoto &viewer, const QString &name)
{
    QTest::mouseClick(control(viewer, name), Qt::LeftButton);
}

// As Qt delivers a double-click: press, release, double-click, release.
void doubleClick(QWidget *box)
{
    QTest::mousePress(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton);
    QTest::mouseDClick(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton);
}

void tick(const FrmFoto &viewer)
{
    QVERIFY(QMetaObject::invokeMethod(control<QTimer>(viewer, QStringLiteral("Timer1")), "timeout"));
}

bool hasPicture(const QLabel *box)
{
    return !box->pixmap().isNull();
}

// Waits until the decodes of `files` are through: a loader asked after the
// viewer's requests finishes after them.
void waitForDecodesOf(const QStringList &files)
{
    modcol::PictureLoader loader;
    QSignalSpy done(&loader, &modcol::PictureLoader::loaded);
    for (const QString &file : files)
        loader.request(file, QSize(100, 100), modcol::PictureFit::KeepAspect);
    QTRY_COMPARE(done.count(), files.size());
    QCoreApplication::processEvents();
}

} // namespace

class TestFrmFoto : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_viewer.reset();
        m_fixture.reset();
    }

    // From the card, on its photo: the single view, the first photo for a
    // key the viewer does not show. Every way out clears the level the card
    // opened with, and only the first close counts.
    void opensAndCloses_data()
    {
        QTest::addColumn<int>("clave");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("a photo of the list, close button") << keyOf(3) << key(3) << "botcerrar" << 0;
        QTest::newRow("a hidden photo, Escape") << keyOf(5) << key(1) << "Escape" << 0;
        QTest::newRow("no such photo, double-click") << 999 << key(1) << "double-click" << keyOf(1);
    }

    void opensAndCloses()
    {
        QFETCH(int, clave);
        QFETCH(QString, shown);
        QFETCH(QString, way);
        QFETCH(int, result);
        QList<Foto> fotos = fotosSeguidas(5);
        fotos[4].nomostrar = true;
        FrmFoto &viewer = open(fotos, clave, 2);
        QCOMPARE(viewer.geometry(), QRect(0, 0, 1024, 768));
        QVERIFY(control(viewer, "FraFoto")->isVisible());
        QVERIFY(!control(viewer, "FraDet")->isVisible());
        QVERIFY(control<QRadioButton>(viewer, "OptAcc_0")->isChecked());
        QCOMPARE(shownKey(viewer), shown);
        QTRY_VERIFY(img(viewer, 0)->isVisible() && hasPicture(img(viewer, 0)));
        QCOMPARE(viewer.nivel(), 2);
        QVERIFY(viewer.conNivel());

        QSignalSpy finished(&viewer, &QDialog::finished);
        if (way == "Escape")
            QTest::keyClick(&viewer, Qt::Key_Escape);
        else if (way == "double-click")
            doubleClick(img(viewer, 0));
        else
            click(viewer, way);
        doubleClick(img(viewer, 0));
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(viewer.fotoElegida(), result);
        QCOMPARE(viewer.nivel(), 0);
        QVERIFY(!viewer.conNivel());
    }

    // GetOfeFoto waits for the pick and returns it: a cell of the grid, or
    // the single photo shown (also when the grid was never opened).
    void doubleClickPicks_data()
    {
        QTest::addColumn<int>("clave");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("picked");
        QTest::newRow("a cell of the grid") << 0 << 2 << keyOf(2);
        QTest::newRow("the single photo") << keyOf(3) << 0 << keyOf(3);
    }

    void doubleClickPicks()
    {
        QFETCH(int, clave);
        QFETCH(int, element);
        QFETCH(int, picked);
        m_fixture = std::make_unique<ViewerFixture>(fotosSeguidas(4));
        FrmFoto viewer(Oferta, nullptr);
        QTimer::singleShot(0, &viewer, [&viewer, element] {
            const auto closeAnyway = qScopeGuard([&viewer] { viewer.reject(); });
            QTRY_VERIFY(img(viewer, element)->isVisible());
            doubleClick(img(viewer, element));
        });
        QCOMPARE(viewer.GetOfeFoto(clave), picked);
    }

    // GetOfeFoto(0): the grid from the first photo, that photo's cell marked.
    void gridFromTheFirstPhoto()
    {
        FrmFoto &viewer = open(fotosSeguidas(5), 0);
        QVERIFY(control(viewer, "FraDet")->isVisible());
        QVERIFY(!control(viewer, "FraFoto")->isVisible());
        QVERIFY(!control<QCheckBox>(viewer, "Check1")->isChecked());
        QCOMPARE(pageKeys(viewer), keys("1 2 3 4 5"));
        QCOMPARE(markedElements(viewer), QList<int>{1});
        QTRY_VERIFY(hasPicture(img(viewer, 5)));
    }

    void paging_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("missing"); // a photo without a file, 0 for none
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("openOn"); // 0: the grid at once; else the single view first
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("10 photos in 2 x 3")
            << 10 << 0 << "2x3" << 0 << QStringList{">>", "<<", ">>", ">>", "<<"}
            << QStringList{"1 2 3 4 5 6", "7 8 9 10", "1 2 3 4 5 6", "7 8 9 10", "1 2 3 4 5 6", "1 2 3 4 5 6"};
        QTest::newRow("5 photos in 3 x 4, from the fourth")
            << 5 << 0 << "3x4" << 4 << QStringList{">>", "<<"}
            << QStringList{"1 2 3 4 5", "1 2 3 4 5", "1 2 3 4 5"};
        QTest::newRow("second photo missing") << 8 << 2 << "2x3" << 0 << QStringList{">>"}
                                              << QStringList{"1 3 4 5 6 7", "7 8"};
    }

    void paging()
    {
        QFETCH(int, count);
        QFETCH(int, missing);
        QFETCH(QString, grid);
        QFETCH(int, openOn);
        QFETCH(QStringList, presses);
        QFETCH(QStringList, pages);
        QList<Foto> fotos = fotosSeguidas(count);
        if (missing > 0)
            fotos[missing - 1].file = false;
        open(fotos, openOn > 0 ? keyOf(openOn) : 0, 0, grid);
        if (openOn > 0)
            click(*m_viewer, "OptAcc_1");
        QCOMPARE(pageKeys(*m_viewer), keys(pages[0]));
        for (int i = 0; i < presses.size(); ++i) {
            click(*m_viewer, presses[i] == ">>" ? "BotAdel" : "BotAtras");
            QVERIFY(m_viewer->isEnabled());
            QCOMPARE(pageKeys(*m_viewer), keys(pages[i + 1]));
        }
    }

    // A mark never outlives its page: with none, "Una Foto" shows the first
    // photo; with one, the marked photo.
    void markAndSingleView()
    {
        FrmFoto &viewer = open(fotosSeguidas(10), 0, 0, "2x3");
        QCOMPARE(markedElements(viewer), QList<int>{1});
        click(viewer, "Img_3");
        QCOMPARE(markedElements(viewer), QList<int>{3});
        click(viewer, "BotAdel");
        QCOMPARE(pageKeys(viewer), keys("7 8 9 10"));
        QCOMPARE(markedElements(viewer), QList<int>{});
        click(viewer, "OptAcc_0");
        QCOMPARE(shownKey(viewer), key(1));

        click(viewer, "OptAcc_1");
        QCOMPARE(pageKeys(viewer), keys("1 2 3 4 5 6")); // from the photo shown
        QCOMPARE(markedElements(viewer), QList<int>({0, 1}));
        click(viewer, "Img_4");
        click(viewer, "OptAcc_0");
        QCOMPARE(shownKey(viewer), key(4));
        QTRY_VERIFY(img(viewer, 0)->isVisible());
        QVERIFY(!img(viewer, 1)->isVisible());
    }

    void pictures_data()
    {
        QTest::addColumn<int>("clave");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<int>("orientation");
        QTest::newRow("single, turned by Exif") << keyOf(1) << QSize(1600, 1200) << 6;
        QTest::newRow("cell, twice as wide") << 0 << QSize(1600, 800) << 1;
    }

    // Decoded at the size shown, upright, fitted with the photo's own
    // proportions; a cell's picture sits 50 twips over its caption.
    void pictures()
    {
        QFETCH(int, clave);
        QFETCH(QSize, stored);
        QFETCH(int, orientation);
        QList<Foto> fotos = fotosSeguidas(2);
        fotos[0].size = stored;
        fotos[0].orientation = orientation;
        FrmFoto &viewer = open(fotos, clave);
        QLabel *box = img(viewer, clave > 0 ? 0 : 1);
        QTRY_VERIFY(hasPicture(box) && box->isVisible());
        const QSize upright = orientation == 6 ? stored.transposed() : stored;
        QVERIFY(qAbs(double(box->width()) / box->height() - double(upright.width()) / upright.height()) < 0.01);
        QVERIFY(box->pixmap().width() <= box->width() + 1);
        if (clave == 0) {
            const QLabel *caption = control<QLabel>(viewer, "Dato_1");
            QCOMPARE(box->x(), caption->x());
            QCOMPARE(box->width(), caption->width());
            const int gap = caption->y() - box->geometry().bottom() - 1; // 50 twips
            QVERIFY2(gap == 3 || gap == 4, qPrintable(QString::number(gap)));
            QCOMPARE(caption->text(), QString("150.000 eur-Piso\nNerja-Centro"));
        }
    }

    // A photo that cannot be read is an empty cell or view; its caption and
    // key stay, and the viewer goes on.
    void damagedPhoto()
    {
        QList<Foto> fotos = fotosSeguidas(3);
        fotos[1].damaged = true;
        FrmFoto &viewer = open(fotos, 0);
        QCOMPARE(pageKeys(viewer), keys("1 2 3"));
        waitForDecodesOf({m_fixture->photoPath(1), m_fixture->photoPath(2), m_fixture->photoPath(3)});
        QVERIFY(hasPicture(img(viewer, 3)));
        QVERIFY(!hasPicture(img(viewer, 2)));
        QVERIFY(!control<QLabel>(viewer, "Dato_2")->text().isEmpty());
        click(viewer, "Img_2");
        click(viewer, "OptAcc_0");
        QCOMPARE(shownKey(viewer), key(2));
        waitForDecodesOf({m_fixture->photoPath(2)});
        QVERIFY(!hasPicture(img(viewer, 0)));
        QTest::keyClick(&viewer, Qt::Key_PageDown);
        QCOMPARE(shownKey(viewer), key(3));
        QTRY_VERIFY(hasPicture(img(viewer, 0)) && img(viewer, 0)->isVisible());
    }

    void zoomBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("shown");
        QTest::newRow("150 and Enter") << "150" << true << "100";
        QTest::newRow("5 and Enter") << "5" << true << "10";
        QTest::newRow("emptied and Enter") << "" << true << "10";
        QTest::newRow("letters and punctuation") << "a1,b2." << false << "12";
        QTest::newRow("a fourth digit") << "1234" << false << "123";
    }

    void zoomBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, shown);
        FrmFoto &viewer = open(fotosSeguidas(2), keyOf(1));
        auto *zoom = control<QLineEdit>(viewer, "TxtZoom");
        zoom->setFocus();
        zoom->selectAll();
        QTest::keyClick(zoom, Qt::Key_Backspace);
        QTest::keyClicks(zoom, typed);
        if (enter)
            QTest::keyClick(zoom, Qt::Key_Return);
        QCOMPARE(zoom->text(), shown);
        QVERIFY(viewer.isVisible()); // Enter presses no button
    }

    // Pasted text is filtered too; Enter zooms the fitted photo; an emptied
    // box reads 100 at the next photo.
    void zoomApplies()
    {
        FrmFoto &viewer = open(fotosSeguidas(2), keyOf(1));
        QLabel *photo = img(viewer, 0);
        QTRY_VERIFY(photo->isVisible());
        const QRect fitted = photo->geometry();
        auto *zoom = control<QLineEdit>(viewer, "TxtZoom");
        zoom->clear();
        QGuiApplication::clipboard()->setText("5x0");
        zoom->paste();
        QCOMPARE(zoom->text(), QString("50"));
        QTest::keyClick(zoom, Qt::Key_Enter);
        QVERIFY(qAbs(photo->width() * 2 - fitted.width()) <= 2);
        QVERIFY(qAbs(photo->height() * 2 - fitted.height()) <= 2);
        QVERIFY(qAbs(photo->x() * 2 + photo->width() - viewer.width()) <= 1);

        zoom->clear();
        tick(viewer);
        QTRY_COMPARE(zoom->text(), QString("100"));
    }

    void slideshow()
    {
        FrmFoto &viewer = open(fotosSeguidas(3), keyOf(2));
        auto *check = control<QCheckBox>(viewer, "Check1");
        auto *seconds = control<QComboBox>(viewer, "CbSeg");
        auto *timer = control<QTimer>(viewer, "Timer1");
        QWidget *navigator = control(viewer, "DatImagen");
        QCOMPARE(seconds->count(), 9);
        QCOMPARE(seconds->findText("7"), -1);

        QTest::keyClick(seconds, Qt::Key_Return); // stopped: stays stopped
        QVERIFY(!timer->isActive());
        check->click();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(!navigator->isEnabled());
        seconds->setCurrentIndex(seconds->findText("10"));
        emit seconds->activated(seconds->currentIndex());
        QCOMPARE(timer->interval(), 10000);

        tick(viewer);
        QCOMPARE(shownKey(viewer), key(3));
        QTest::keyClick(&viewer, Qt::Key_PageUp); // the navigator is off
        QCOMPARE(shownKey(viewer), key(3));
        tick(viewer);
        QCOMPARE(shownKey(viewer), key(1));

        // The pointer hides after two seconds without movement, and shows
        // again when the mouse moves.
        QVERIFY(QMetaObject::invokeMethod(control<QTimer>(viewer, "pointerIdle"), "timeout"));
        QCOMPARE(viewer.cursor().shape(), Qt::BlankCursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(img(viewer, 0), &move);
        QCOMPARE(viewer.cursor().shape(), Qt::ArrowCursor);

        check->click();
        QVERIFY(!timer->isActive());
        QVERIFY(navigator->isEnabled());
        check->click();
        click(viewer, "OptAcc_1");
        QVERIFY(!check->isChecked());
        QVERIFY(!timer->isActive());
    }

    // Page Up/Down and Home/End step like the navigator's arrows, but not
    // while the zoom box has the keys.
    void pageUpAndDown()
    {
        FrmFoto &viewer = open(fotosSeguidas(4), keyOf(1));
        const QList<std::pair<Qt::Key, int>> steps{{Qt::Key_PageDown, 2}, {Qt::Key_End, 4}, {Qt::Key_PageDown, 4},
                                                   {Qt::Key_Home, 1},     {Qt::Key_PageUp, 1}};
        for (const auto &[pressed, photo] : steps) {
            QTest::keyClick(&viewer, pressed);
            QCOMPARE(shownKey(viewer), key(photo));
        }
        auto *zoom = control<QLineEdit>(viewer, "TxtZoom");
        zoom->setFocus();
        QTest::keyClick(zoom, Qt::Key_PageDown);
        QCOMPARE(shownKey(viewer), key(1));
    }

    // Combo lists take no typing and no wheel.
    void listsTakeNoTyping()
    {
        FrmFoto &viewer = open(fotosSeguidas(2), 0);
        for (const char *name : {"CBFila", "CbCol"}) {
            auto *list = control<QComboBox>(viewer, name);
            const QString before = list->currentText();
            QTest::keyClicks(list, "2");
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentText(), before);
        }
        QVERIFY(viewer.isVisible());
    }

    // Nothing to show: both views stay hidden, the zoom box takes no key,
    // the slideshow and a double-click do nothing; Escape closes with 0.
    void noPhotos_data()
    {
        QTest::addColumn<bool>("catalogueOpen");
        QTest::newRow("every photo hidden") << true;
        QTest::newRow("no catalogue") << false;
    }

    void noPhotos()
    {
        QFETCH(bool, catalogueOpen);
        QList<Foto> fotos = fotosSeguidas(3);
        for (Foto &foto : fotos)
            foto.nomostrar = true;
        m_fixture = std::make_unique<ViewerFixture>(fotos);
        if (!catalogueOpen)
            modcol::BaseDatos.reset();
        m_viewer = std::make_unique<FrmFoto>(Oferta, nullptr);
        FrmFoto &viewer = *m_viewer;
        viewer.openOn(0);
        for (const char *option : {"OptAcc_0", "OptAcc_1"}) {
            click(viewer, option);
            QVERIFY(!control(viewer, "FraDet")->isVisible());
            QVERIFY(!control(viewer, "FraFoto")->isVisible());
        }
        auto *zoom = control<QLineEdit>(viewer, "TxtZoom");
        QTest::keyClicks(zoom, "5");
        QTest::keyClick(zoom, Qt::Key_Return);
        QCOMPARE(zoom->text(), QString("100"));
        control<QCheckBox>(viewer, "Check1")->setChecked(true);
        tick(viewer);
        doubleClick(img(viewer, 0));
        QVERIFY(viewer.isVisible());
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
        QCOMPARE(viewer.fotoElegida(), 0);
    }

    // Input while the page's pictures are still being decoded: the close
    // or the switch acts at once, and the pictures still to come are dropped.
    void inputDuringFill_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("result");
        QTest::newRow("Escape") << "Escape" << 0;
        QTest::newRow("double-click") << "double-click" << keyOf(2);
        QTest::newRow("Una Foto") << "OptAcc_0" << -1;
    }

    void inputDuringFill()
    {
        QFETCH(QString, input);
        QFETCH(int, result);
        QList<Foto> fotos = fotosSeguidas(12);
        for (Foto &foto : fotos)
            foto.size = QSize(1600, 1200);
        FrmFoto &viewer = open(fotos, 0);
        QVERIFY(!hasPicture(img(viewer, 1)));
        if (input == "Escape") {
            QTest::keyClick(&viewer, Qt::Key_Escape);
        } else if (input == "double-click") {
            doubleClick(img(viewer, 2));
        } else {
            click(viewer, input);
            QCOMPARE(shownKey(viewer), key(1));
        }
        QStringList files;
        for (int i = 1; i <= 12; ++i)
            files << m_fixture->photoPath(i);
        waitForDecodesOf(files);
        for (int k = 1; k <= 12; ++k)
            QVERIFY(!hasPicture(img(viewer, k)));
        if (result >= 0) {
            QVERIFY(!viewer.isVisible());
            QCOMPARE(viewer.fotoElegida(), result);
        } else {
            QTRY_VERIFY(hasPicture(img(viewer, 0)));
            QVERIFY(!img(viewer, 1)->isVisible());
        }
    }

private:
    // The viewer of `fotos`, a grid of "rows x columns", opened on `clave`.
    FrmFoto &open(const QList<Foto> &fotos, int clave, int nivelCompre = 0, const QString &grid = "3x4")
    {
        m_fixture = std::make_unique<ViewerFixture>(fotos);
        m_viewer = std::make_unique<FrmFoto>(Oferta, nullptr);
        control<QComboBox>(*m_viewer, "CBFila")->setCurrentText(grid.section(u'x', 0, 0));
        control<QComboBox>(*m_viewer, "CbCol")->setCurrentText(grid.section(u'x', 1, 1));
        m_viewer->openOn(clave, nivelCompre);
        return *m_viewer;
    }

    std::unique_ptr<ViewerFixture> m_fixture;
    std::unique_ptr<FrmFoto> m_viewer;
};

// A screen of 1024 x 768 pixels for the whole run.
int main(int argc, char *argv[])
{
    useScreen(1024, 768);
    QApplication app(argc, argv);
    TestFrmFoto test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmfoto.moc"

// The photo viewer on a screen of 1024 x 768 pixels: opening and closing,
// the grid with its paging and mark, the pictures, the zoom box, the
// slideshow and the keys, an offer without photos to show, and input that
// arrives while a page is still being decoded; and the arithmetic of the
// grid's cells, a photo fitted into a cell, and the single photo fitted to
// the window and zoomed, at fixed screen sizes.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>

#include "catalogue/database.h"
#include "partnerfolder.h"
#include "startup/modcol.h"
#include "pictures/pictureloader.h"
#include "viewer/cellcaption.h"
#include "viewer/frmfoto.h"
#include "viewer/viewergeometry.h"
#include "viewer/viewermodel.h"
#include "viewer/slideshow.h"
#include "viewer/pointerhider.h"

using namespace testsupport;
using namespace viewer;

namespace {

// Too long for a grid caption's line.
const QString LongZone = QStringLiteral("Urbanización Los Almendros del Sur y Lomas del Mar");

QString photoPath(int i)
{
    return modcol::RutaApp + QStringLiteral("fotos/1_%1.jpg").arg(i);
}

QLabel *img(const QWidget &viewer, int k)
{
    return child<QLabel>(viewer, QStringLiteral("Img_%1").arg(k));
}

// The keys (tags) of the grid's picture boxes, "1 2 3".
QString pageKeys(const QWidget &viewer)
{
    QStringList keys;
    for (const PagePhoto &p : const_cast<FrmFoto &>(static_cast<const FrmFoto &>(viewer)).internalsForTests().model.page())
        keys << QString::number(p.key);
    return keys.join(u' ');
}

int shownKey(const QWidget &viewer)
{
    return const_cast<FrmFoto &>(static_cast<const FrmFoto &>(viewer)).internalsForTests().model.shownKey();
}

// The picture boxes that are marked, from element 0 (the single photo).
QList<int> markedElements(const QWidget &viewer)
{
    QList<int> marked;
    for (int k = 0; const auto *box = viewer.findChild<QLabel *>(QStringLiteral("Img_%1").arg(k)); ++k) {
        if (box->frameShape() == QFrame::Box)
            marked << k;
    }
    return marked;
}

void click(const QWidget &viewer, const QString &name)
{
    QTest::mouseClick(child(viewer, name), Qt::LeftButton);
}

void tick(const QWidget &viewer)
{
    const_cast<FrmFoto &>(static_cast<const FrmFoto &>(viewer)).internalsForTests().slideshow.Timer1_Timer();
}

bool hasPicture(const QLabel *box)
{
    return !box->pixmap().isNull();
}

double proportion(const QLabel *box)
{
    return double(box->width()) / box->height();
}

// Waits until the viewer's decodes of photos 1 to `count` are through: a
// loader asked after the viewer's requests finishes after them.
void waitForDecodes(int count)
{
    modcol::PictureLoader loader;
    QSignalSpy done(&loader, &modcol::PictureLoader::loaded);
    for (int i = 1; i <= count; ++i)
        loader.request(i, photoPath(i), QSize(100, 100), modcol::PictureFit::KeepAspect);
    QTRY_COMPARE(done.count(), count);
    QCoreApplication::processEvents();
}

} // namespace

class TestFrmFoto : public QObject
{
    Q_OBJECT

public:
    // A screen of 1024 x 768 pixels for the whole run.
    static void initMain() { useScreens({QSize(1024, 768)}); }

private slots:
    void cleanup()
    {
        m_viewer.reset();
        m_folder.reset();
    }

    // From the card on a photo the viewer does not show (a hidden one): the
    // single view on the first photo. Every way out clears the level the
    // card opened with, and only the first close counts.
    void opensAndCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("Escape") << "Escape" << 0;
        QTest::newRow("&Cerrar") << "botcerrar" << 0;
        QTest::newRow("double-click") << "double-click" << 1;
    }
    void opensAndCloses()
    {
        QFETCH(QString, way);
        QFETCH(int, result);
        makeFolder(5, 1);
        FrmFoto &viewer = show(5, 2);
        QVERIFY(child(viewer, "FraFoto")->isVisible() && !child(viewer, "FraDet")->isVisible());
        QCOMPARE(shownKey(viewer), 1);
        QTRY_VERIFY(img(viewer, 0)->isVisible() && hasPicture(img(viewer, 0)));

        QSignalSpy finished(&viewer, &QDialog::finished);
        if (way == "Escape")
            QTest::keyClick(&viewer, Qt::Key_Escape);
        else if (way == "botcerrar")
            click(viewer, way);
        doubleClick(img(viewer, 0));
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(viewer.fotoElegida(), result);
    }

    // GetOfeFoto(0): the grid from the first photo, its cell marked. A mark
    // never outlives its page: with none, "Una Foto" shows the first photo;
    // with one, the marked photo.
    void gridAndMark()
    {
        FrmFoto &viewer = open(10, 0, 0, "2x3");
        QVERIFY(child(viewer, "FraDet")->isVisible() && !child(viewer, "FraFoto")->isVisible());
        QCOMPARE(markedElements(viewer), QList<int>{1});
        click(viewer, "Img_3");
        QCOMPARE(markedElements(viewer), QList<int>{3});
        click(viewer, "BotAdel");
        QCOMPARE(markedElements(viewer), QList<int>{});
        click(viewer, "OptAcc_0");
        QCOMPARE(shownKey(viewer), 1);

        click(viewer, "OptAcc_1");
        QCOMPARE(pageKeys(viewer), QString("1 2 3 4 5 6")); // from the photo shown
        QCOMPARE(markedElements(viewer), QList<int>({0, 1}));
        click(viewer, "Img_4");
        click(viewer, "OptAcc_0");
        QCOMPARE(shownKey(viewer), 4);
        QTRY_VERIFY(img(viewer, 0)->isVisible());
        QVERIFY(!img(viewer, 1)->isVisible());
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
            << 5 << 0 << "3x4" << 4 << QStringList{">>", "<<"} << QStringList{"1 2 3 4 5", "1 2 3 4 5", "1 2 3 4 5"};
        QTest::newRow("second photo missing")
            << 8 << 2 << "2x3" << 0 << QStringList{">>"} << QStringList{"1 3 4 5 6 7", "7 8"};
    }
    void paging()
    {
        QFETCH(int, count);
        QFETCH(int, missing);
        QFETCH(QString, grid);
        QFETCH(int, openOn);
        QFETCH(QStringList, presses);
        QFETCH(QStringList, pages);
        makeFolder(count);
        QFile::remove(photoPath(missing));
        FrmFoto &viewer = show(openOn, 0, grid);
        if (openOn > 0)
            click(viewer, "OptAcc_1");
        QCOMPARE(pageKeys(viewer), pages[0]);
        for (int i = 0; i < presses.size(); ++i) {
            click(viewer, presses[i] == ">>" ? "BotAdel" : "BotAtras");
            QVERIFY(viewer.isEnabled());
            QCOMPARE(pageKeys(viewer), pages[i + 1]);
        }
    }

    // Each picture upright with its own proportions, decoded at most at the
    // size shown, under a caption of two lines in the grid, cut with "…"
    // where too long and then whole as its tool tip. A photo that cannot be
    // read says so in the view or the cell, never showing the photo before.
    void pictures()
    {
        makeFolder(3);
        QFile damaged(photoPath(2));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\xFF\xD8\xFF\xE0 cut short"));
        damaged.close();
        writePicture(photoPath(3), QSize(1600, 1200), Qt::gray, 6);
        FrmFoto &viewer = show(1);
        QLabel *photo = img(viewer, 0);
        QTRY_VERIFY(hasPicture(photo));
        QTest::keyClick(&viewer, Qt::Key_PageDown);
        waitForDecodes(2);
        QVERIFY(!hasPicture(photo) && photo->isVisible());
        QCOMPARE(photo->text(), QString("Foto no disponible"));
        QTest::keyClick(&viewer, Qt::Key_PageDown);
        QTRY_VERIFY(hasPicture(photo) && photo->isVisible());
        QVERIFY(qAbs(proportion(photo) - 0.75) < 0.01);
        QVERIFY(photo->pixmap().width() <= photo->width() + 1);

        click(viewer, "OptAcc_1");
        waitForDecodes(3);
        QVERIFY(qAbs(proportion(img(viewer, 3)) - 0.75) < 0.01);
        QVERIFY(!hasPicture(img(viewer, 2)));
        QCOMPARE(img(viewer, 2)->text(), QString("Foto no disponible"));
        auto *caption = child<CellCaption>(viewer, "Dato_1");
        QCOMPARE(caption->text(), "150.000 eur-Piso\nNerja-" + LongZone);
        const QStringList lines = caption->shownLines();
        QVERIFY2(lines[0] == "150.000 eur-Piso" && lines[1].endsWith(u'…'), qPrintable(lines.join(u'|')));
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), caption->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(caption, &help);
        QCOMPARE(QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText(), caption->text());
    }

    // Digits only, typed or pasted, between 10 and 100; Enter applies the
    // zoom (an empty box reads 10) and presses no button; an empty box reads
    // 100 at the next photo.
    void zoom_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("then"); // Return, Enter (keypad) or tick (the next photo)
        QTest::addColumn<QString>("shown");
        QTest::newRow("150 and Return") << "150" << "" << "Return" << "100";
        QTest::newRow("5 and Return") << "5" << "" << "Return" << "10";
        QTest::newRow("emptied and Return") << "" << "" << "Return" << "10";
        QTest::newRow("emptied, next photo") << "" << "" << "tick" << "100";
        QTest::newRow("letters and punctuation") << "a1,b2." << "" << "" << "12";
        QTest::newRow("pasted, keypad Enter") << "" << "5x0" << "Enter" << "50";
    }
    void zoom()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, then);
        QFETCH(QString, shown);
        FrmFoto &viewer = open(2, 1);
        QLabel *photo = img(viewer, 0);
        QTRY_VERIFY(photo->isVisible());
        const int fitted = photo->width();
        auto *zoom = child<QLineEdit>(viewer, "TxtZoom");
        zoom->setFocus();
        zoom->clear();
        QTest::keyClicks(zoom, typed);
        QGuiApplication::clipboard()->setText(pasted);
        zoom->paste();
        if (then == "tick")
            tick(viewer);
        else if (!then.isEmpty())
            QTest::keyClick(zoom, then == "Enter" ? Qt::Key_Enter : Qt::Key_Return);
        QTRY_COMPARE(zoom->text(), shown);
        QVERIFY(viewer.isVisible());
        if (!then.isEmpty()) {
            QTRY_VERIFY(photo->isVisible());
            QVERIFY(qAbs(photo->width() * 100 - fitted * shown.toInt()) <= 200);
        }
    }

    // The interval follows the seconds list, also while running; each tick
    // steps to the next photo, from the last to the first, with the
    // navigator off. The pointer hides after two seconds without movement
    // and shows again when the mouse moves. Unchecking or the grid stops it.
    void slideshow()
    {
        FrmFoto &viewer = open(3, 2);
        auto *check = child<QCheckBox>(viewer, "Check1");
        auto *seconds = child<QComboBox>(viewer, "CbSeg");
        Slideshow &timer0 = viewer.internalsForTests().slideshow; auto *timer = &timer0;
        QWidget *navigator = child(viewer, "DatImagen");

        QTest::keyClick(seconds, Qt::Key_Return); // stopped: stays stopped
        QVERIFY(!timer->isRunning());
        check->click();
        QVERIFY(timer->isRunning() && !navigator->isEnabled());
        QCOMPARE(timer->interval(), 2000);
        seconds->setCurrentIndex(seconds->findText("10"));
        emit seconds->activated(seconds->currentIndex());
        QCOMPARE(timer->interval(), 10000);

        tick(viewer);
        QCOMPARE(shownKey(viewer), 3);
        QTest::keyClick(&viewer, Qt::Key_PageUp); // the navigator is off
        QCOMPARE(shownKey(viewer), 3);
        tick(viewer);
        QCOMPARE(shownKey(viewer), 1);

        viewer.internalsForTests().pointer.hidePointer();
        QCOMPARE(viewer.cursor().shape(), Qt::BlankCursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(img(viewer, 0), &move);
        QCOMPARE(viewer.cursor().shape(), Qt::ArrowCursor);

        check->click();
        QVERIFY(!timer->isRunning() && navigator->isEnabled());
        check->click();
        click(viewer, "OptAcc_1");
        QVERIFY(!check->isChecked() && !timer->isRunning());
    }

    // Keys go to the photos from the first: Space and Enter close nothing.
    // In the single view ← →, Page Up, Page Down, Home and End step as the
    // navigator's arrows do, also from an option button, which keeps its
    // choice, but not from the zoom box; in the grid the arrows move the mark
    // within the page.
    void keys_data()
    {
        QTest::addColumn<int>("openOn"); // 0: the grid
        QTest::addColumn<QString>("clicked"); // a control clicked first
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("after"); // the photo shown, or the cell marked
        QTest::newRow("single view") << 1 << ""
                                     << QStringList{"Space", "Return", "Right", "End", "PgDown", "Left", "Home"}
                                     << QStringList{"Foto 1 de 10", "Foto 1 de 10", "Foto 2 de 10", "Foto 10 de 10",
                                                    "Foto 10 de 10", "Foto 9 de 10", "Foto 1 de 10"};
        QTest::newRow("from an option button") << 1 << "OptAcc_0" << QStringList{"Right", "Right", "Left"}
                                               << QStringList{"Foto 2 de 10", "Foto 3 de 10", "Foto 2 de 10"};
        QTest::newRow("from the zoom box") << 1 << "TxtZoom" << QStringList{"Right", "PgDown"}
                                           << QStringList{"Foto 1 de 10", "Foto 1 de 10"};
        QTest::newRow("grid") << 0 << "" << QStringList{"Space", "Right", "Down", "Down", "Left", "Up", "Up", "Up"}
                              << QStringList{"cell 1", "cell 2", "cell 6", "cell 10", "cell 9", "cell 5", "cell 1",
                                             "cell 1"};
    }
    void keys()
    {
        QFETCH(int, openOn);
        QFETCH(QString, clicked);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, after);
        FrmFoto &viewer = open(10, openOn);
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        if (!clicked.isEmpty())
            click(viewer, clicked);
        const auto state = [&] {
            if (child(viewer, "FraDet")->isVisible())
                return QStringLiteral("cell %1").arg(markedElements(viewer).value(0));
            return child(viewer, "DatImagen")->findChild<QLabel *>()->text().replace(u'\n', u' ');
        };
        for (int i = 0; i < keys.size(); ++i) {
            const QKeyCombination key = QKeySequence(keys[i])[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            QVERIFY(viewer.isVisible());
            QCOMPARE(state(), after[i]);
        }
    }

    // The lists take no typing and no arrow; Escape still closes.
    void listKeys_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("pressed");
        QTest::newRow("a digit in Filas") << "CBFila" << int(Qt::Key_2);
        QTest::newRow("Down in Col.") << "CbCol" << int(Qt::Key_Down);
        QTest::newRow("Escape in Filas") << "CBFila" << int(Qt::Key_Escape);
    }
    void listKeys()
    {
        QFETCH(QString, list);
        QFETCH(int, pressed);
        FrmFoto &viewer = open(2, 0);
        auto *box = child<QComboBox>(viewer, list);
        const QString before = box->currentText();
        box->setFocus();
        QTest::keyClick(box, Qt::Key(pressed));
        QCOMPARE(box->currentText(), before);
        QCOMPARE(viewer.isVisible(), pressed != Qt::Key_Escape);
    }

    // Nothing to show: the window says so, both views stay hidden, the zoom
    // box takes no key, the slideshow and a double-click do nothing; Escape
    // closes with 0.
    void noPhotos_data()
    {
        QTest::addColumn<bool>("catalogueOpen");
        QTest::newRow("every photo hidden") << true;
        QTest::newRow("no catalogue") << false;
    }
    void noPhotos()
    {
        QFETCH(bool, catalogueOpen);
        makeFolder(3, 3);
        if (!catalogueOpen)
            modcol::BaseDatos.reset();
        FrmFoto &viewer = show(0);
        QVERIFY(img(viewer, 0)->isVisible());
        QCOMPARE(img(viewer, 0)->text(), QString("Sin fotos"));
        for (const char *option : {"OptAcc_0", "OptAcc_1"}) {
            click(viewer, option);
            QVERIFY(!child(viewer, "FraDet")->isVisible() && !child(viewer, "FraFoto")->isVisible());
        }
        auto *zoom = child<QLineEdit>(viewer, "TxtZoom");
        QTest::keyClicks(zoom, "5");
        QTest::keyClick(zoom, Qt::Key_Return);
        QCOMPARE(zoom->text(), QString("100"));
        child<QCheckBox>(viewer, "Check1")->setChecked(true);
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
        QTest::addColumn<int>("result"); // -1: still open
        QTest::newRow("Escape") << "Escape" << 0;
        QTest::newRow("double-click") << "double-click" << 2;
        QTest::newRow("Una Foto") << "OptAcc_0" << -1;
    }
    void inputDuringFill()
    {
        QFETCH(QString, input);
        QFETCH(int, result);
        makeFolder(12);
        for (int i = 1; i <= 12; ++i)
            writePicture(photoPath(i), QSize(1600, 1200));
        FrmFoto &viewer = show(0);
        QVERIFY(!hasPicture(img(viewer, 1)));
        if (input == "Escape")
            QTest::keyClick(&viewer, Qt::Key_Escape);
        else if (input == "double-click")
            doubleClick(img(viewer, 2));
        else
            click(viewer, input);
        waitForDecodes(12);
        for (int k = 1; k <= 12; ++k)
            QVERIFY(!hasPicture(img(viewer, k)));
        if (result >= 0) {
            QVERIFY(!viewer.isVisible());
            QCOMPARE(viewer.fotoElegida(), result);
        } else {
            QCOMPARE(shownKey(viewer), 1);
            QTRY_VERIFY(hasPicture(img(viewer, 0)));
            QVERIFY(!img(viewer, 1)->isVisible());
        }
    }

    // The design's example with the close button at its design place, and
    // a screen beyond 16-bit twips with the button scaled to it.
    void gridFigures_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<QSize>("close"); // its top and height
        QTest::addColumn<QSize>("grid");  // rows x columns
        QTest::addColumn<QList<int>>("expected"); // W, H, the second column's left, the second row's top
        QTest::newRow("1024 x 768, design button") << QSizeF(15360, 11520) << QSize(240, 495) << QSize(3, 4)
                                                   << QList<int>{3752, 3245, 3902, 4230};
        QTest::newRow("3840 x 2160, 3 x 5") << QSizeF(57600, 32400) << QSize(630, 1290) << QSize(3, 5)
                                            << QList<int>{11440, 9810, 11590, 11980};
    }
    void gridFigures()
    {
        QFETCH(QSizeF, screen);
        QFETCH(QSize, close);
        QFETCH(QSize, grid);
        QFETCH(QList<int>, expected);
        const int top = photoAreaTop(close.width(), close.height());
        const auto cells = gridLayout(screen, top, grid.width(), grid.height(), 495);
        QCOMPARE(QList<int>({cells[0].image.width(), cells[0].image.height() + 495, cells[1].image.left(),
                             cells[grid.height()].image.top()}),
                 expected);
    }

    void cellFigures_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRectF>("expected");
        const QRect caption(100, 3690, 3752, 495);
        // Twice as wide as high: the box's width, 50 twips above the caption.
        QTest::newRow("2:1") << QSize(2000, 1000) << QRectF(100, 3690 - 1876 - 50, 3752, 1876);
        // Taller than the box: the box's height, centred over the caption.
        QTest::newRow("portrait") << QSize(300, 400) << QRectF(100 + (3752 - 2062) / 2.0, 3690 - 2750 - 50, 2062, 2750);
        QTest::newRow("no picture") << QSize() << QRectF();
    }

    void cellFigures()
    {
        QFETCH(QSize, picture);
        QFETCH(QRectF, expected);
        QCOMPARE(viewer::cellPicture(QSize(3752, 2750), picture, QRect(100, 3690, 3752, 495)), expected);
    }

    // The box below the photo area: 1300 twips off, or the area's top when
    // the close button ends lower, as it does on a tall screen.
    void photoBoxKeepsThePhotoInside()
    {
        QCOMPARE(photoBox(QSizeF(15360, 11520), 935), QSize(14060, 10220));
        QCOMPARE(photoBox(QSizeF(28800, 16200), 1520), QSize(27500, 14680));
        const QRectF tall = zoomedPhoto(QSizeF(19573, 14680), 100, QSizeF(28800, 16200), 1520);
        QCOMPARE(tall.top(), 1520.0);
        QCOMPARE(tall.bottom(), 16200.0);
    }

    void zoomFigures_data()
    {
        QTest::addColumn<QSizeF>("fitted");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("50") << QSizeF(6667, 5000) << 50 << QRectF((15360 - 3333.5) / 2, 4477.5, 3333.5, 2500);
        QTest::newRow("100") << QSizeF(6667, 5000) << 100 << QRectF((15360 - 6667) / 2.0, 3227.5, 6667, 5000);
        // Taller than the window less the top: held at the top, 935.
        QTest::newRow("tall") << QSizeF(7000, 10585) << 100 << QRectF(4180, 935, 7000, 10585);
    }

    void zoomFigures()
    {
        QFETCH(QSizeF, fitted);
        QFETCH(int, zoom);
        QFETCH(QRectF, expected);
        const QRectF placed = zoomedPhoto(fitted, zoom, QSizeF(15360, 11520), 935);
        // Single precision: within a hundredth of a twip.
        const QRectF off(placed.topLeft() - expected.topLeft(), placed.size() - expected.size());
        QVERIFY2(qAbs(off.x()) + qAbs(off.y()) + qAbs(off.width()) + qAbs(off.height()) < 0.02,
                 qPrintable(QString("%1 %2 %3 %4").arg(placed.x()).arg(placed.y()).arg(placed.width()).arg(placed.height())));
    }

private:
    // Offer 1 in Nerja with `count` photos, the last `hidden` of them not to
    // be shown: photo i has the key i and the file "fotos/1_<i>.jpg", a small
    // picture.
    void makeFolder(int count, int hidden = 0)
    {
        Offer offer{1, 150000, "Piso", "Nerja", LongZone};
        for (int i = 1; i <= count; ++i)
            offer.photos.append({QStringLiteral("fotos\\1_%1.jpg").arg(i), i > count - hidden});
        m_folder = std::make_unique<PartnerFolder>(QList<Offer>{offer});
        for (int i = 1; i <= count; ++i)
            writePicture(photoPath(i), QSize(64, 48));
    }

    // The viewer on the folder, a grid of "rows x columns", opened on `key`.
    FrmFoto &show(int key, int nivelCompre = 0, const QString &grid = "3x4")
    {
        m_viewer = std::make_unique<FrmFoto>(1, nullptr);
        child<QComboBox>(*m_viewer, "CBFila")->setCurrentText(grid.section(u'x', 0, 0));
        child<QComboBox>(*m_viewer, "CbCol")->setCurrentText(grid.section(u'x', 1, 1));
        m_viewer->openOn(key, nivelCompre);
        return *m_viewer;
    }

    FrmFoto &open(int count, int key, int nivelCompre = 0, const QString &grid = "3x4")
    {
        makeFolder(count);
        return show(key, nivelCompre, grid);
    }

    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<FrmFoto> m_viewer;
};

QTEST_MAIN(TestFrmFoto)

#include "tst_frmfoto.moc"

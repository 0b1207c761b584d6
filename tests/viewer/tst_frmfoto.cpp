// The photo viewer on a screen of 1024 x 768 pixels: opening and closing,
// the grid with its paging and mark, the pictures, the zoom box, the
// slideshow and the keys, an offer without photos to show, and input that
// arrives while a page is still being decoded; and the figures of the grid,
// a photo in its cell and the single photo, at fixed screen sizes.
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
#include <QToolTip>

#include "catalogue/database.h"
#include "partnerfolder.h"
#include "pictures/pictureloader.h"
#include "startup/modcol.h"
#include "testfiles.h"
#include "viewer/cellcaption.h"
#include "viewer/frmfoto.h"
#include "viewer/pointerhider.h"
#include "viewer/slideshow.h"
#include "viewer/viewergeometry.h"
#include "viewer/viewermodel.h"

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
    return viewer.findChild<QLabel *>(QStringLiteral("Img_%1").arg(k));
}

const ViewerModel &model(FrmFoto &viewer)
{
    return viewer.internalsForTests().model;
}

// The keys of the grid's page, "1 2 3".
QString pageKeys(FrmFoto &viewer)
{
    QStringList keys;
    for (const PagePhoto &photo : model(viewer).page())
        keys << QString::number(photo.key);
    return keys.join(u' ');
}

// The picture boxes framed as marked, a cell's with its caption bold, from
// element 0 (the single photo).
QList<int> markedElements(const QWidget &viewer)
{
    QList<int> marked;
    for (int k = 0; const QLabel *box = img(viewer, k); ++k) {
        const auto *caption = viewer.findChild<QLabel *>(QStringLiteral("Dato_%1").arg(k));
        if (box->frameShape() == QFrame::Box && (k == 0 || caption->font().bold()))
            marked << k;
    }
    return marked;
}

void click(const QWidget &viewer, const QString &name)
{
    QTest::mouseClick(child(viewer, name), Qt::LeftButton);
}

bool hasPicture(const QLabel *box)
{
    return !box->pixmap().isNull();
}

// Upright, three by four, and decoded no larger than it is shown.
bool isUprightAtSize(const QLabel *box)
{
    return qAbs(double(box->width()) / box->height() - 0.75) < 0.01 && box->pixmap().width() <= box->width() + 1;
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
    static void initMain() { useScreens({QSize(1024, 768)}); }

private slots:
    void cleanup() { m_viewer.reset(), m_folder.reset(); }

    // Each way out, from the single view opened from the card on a photo the
    // viewer does not show (a hidden one: the first photo shows), or from the
    // grid while its pictures are still being decoded, which are dropped
    // then. Only the first close counts; a pick shows the level's zoom first.
    // "Una Foto" during the fill acts at once.
    void closes_data()
    {
        QTest::addColumn<int>("openOn"); // 0: the grid
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("picked"); // what the viewer hands back
        QTest::addColumn<QString>("zoom");
        QTest::newRow("Escape") << 5 << "Escape" << 0 << "100";
        QTest::newRow("&Cerrar") << 5 << "botcerrar" << 0 << "100";
        QTest::newRow("double-click") << 5 << "double-click" << 1 << "25";
        QTest::newRow("grid, Escape") << 0 << "Escape" << 0 << "100";
        QTest::newRow("grid, double-click") << 0 << "double-click" << 2 << "25";
        QTest::newRow("grid, Una Foto, then a double-click") << 0 << "OptAcc_0" << 1 << "25";
    }
    void closes()
    {
        QFETCH(int, openOn);
        QFETCH(QString, way);
        QFETCH(int, picked);
        QFETCH(QString, zoom);
        makeFolder(5, 1, QSize(1600, 1200));
        FrmFoto &viewer = show(openOn, 2);
        QSignalSpy finished(&viewer, &QDialog::finished);
        QCOMPARE(child(viewer, "FraFoto")->isVisible(), openOn > 0);
        QCOMPARE(child(viewer, "FraDet")->isVisible(), openOn == 0);
        if (openOn > 0)
            QTRY_VERIFY(hasPicture(img(viewer, 0)) && model(viewer).shownKey() == 1);
        else
            QVERIFY(!hasPicture(img(viewer, 1)));
        if (way == "double-click")
            doubleClick(img(viewer, openOn > 0 ? 0 : 2));
        else if (way == "Escape")
            QTest::keyClick(&viewer, Qt::Key_Escape);
        else
            click(viewer, way);
        waitForDecodes(4);
        for (int k = 1; const QLabel *cell = img(viewer, k); ++k)
            QVERIFY(!hasPicture(cell));
        doubleClick(img(viewer, 0)); // after a close, nothing
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(viewer.fotoElegida(), picked);
        QCOMPARE(child<QLineEdit>(viewer, "TxtZoom")->text(), zoom);
    }

    // GetOfeFoto(0): the grid from the first photo, its cell marked. A mark
    // never outlives its page: with none, "Una Foto" shows the first photo;
    // with one, the marked photo. The photo shown keeps its frame.
    void gridAndMark()
    {
        FrmFoto &viewer = open(10, 0, 0, "2x3");
        QCOMPARE(markedElements(viewer), QList<int>{1});
        click(viewer, "Img_3");
        QCOMPARE(markedElements(viewer), QList<int>{3});
        click(viewer, "BotAdel");
        QCOMPARE(markedElements(viewer), QList<int>{});
        click(viewer, "OptAcc_0");
        QCOMPARE(model(viewer).shownKey(), 1);

        click(viewer, "OptAcc_1");
        QCOMPARE(pageKeys(viewer), QString("1 2 3 4 5 6")); // from the photo shown
        QCOMPARE(markedElements(viewer), QList<int>({0, 1}));
        click(viewer, "Img_4");
        click(viewer, "OptAcc_0");
        QCOMPARE(model(viewer).shownKey(), 4);
        QVERIFY(!img(viewer, 1)->isVisible());
        QCOMPARE(markedElements(viewer), QList<int>{0});
    }

    // Pages of 2 x 3: a photo without a file takes no cell, but a page
    // starts six photos after the one before, wraps from the last to the
    // first and stops at the first; every photo fits on one page: the page
    // starts at the first photo.
    void paging_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("missing"); // a photo without a file, 0 for none
        QTest::addColumn<int>("openOn");  // 0: the grid at once; else the single view first
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("10 photos, the second missing")
            << 10 << 2 << 0 << QStringList{">>", "<<", ">>", ">>", "<<"}
            << QStringList{"1 3 4 5 6 7", "7 8 9 10", "1 3 4 5 6 7", "7 8 9 10", "1 3 4 5 6 7", "1 3 4 5 6 7"};
        QTest::newRow("exactly one page, from the fifth")
            << 6 << 0 << 5 << QStringList{">>"} << QStringList{"1 2 3 4 5 6", "1 2 3 4 5 6"};
    }
    void paging()
    {
        QFETCH(int, count);
        QFETCH(int, missing);
        QFETCH(int, openOn);
        QFETCH(QStringList, presses);
        QFETCH(QStringList, pages);
        makeFolder(count);
        QFile::remove(photoPath(missing));
        FrmFoto &viewer = show(openOn, 0, "2x3");
        if (openOn > 0)
            click(viewer, "OptAcc_1");
        QCOMPARE(pageKeys(viewer), pages[0]);
        for (int i = 0; i < presses.size(); ++i) {
            click(viewer, presses[i] == ">>" ? "BotAdel" : "BotAtras");
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
        writeFile(photoPath(2), "\xFF\xD8\xFF\xE0 cut short");
        writePicture(photoPath(3), QSize(1600, 1200), Qt::gray, 6);
        FrmFoto &viewer = show(1);
        QLabel *photo = img(viewer, 0);
        QTRY_VERIFY(hasPicture(photo));
        QTest::keyClick(&viewer, Qt::Key_PageDown);
        waitForDecodes(2);
        QVERIFY(photo->isVisible());
        QCOMPARE(photo->text(), QString("Foto no disponible"));
        QTest::keyClick(&viewer, Qt::Key_PageDown);
        QTRY_VERIFY(hasPicture(photo) && photo->isVisible() && isUprightAtSize(photo));

        click(viewer, "OptAcc_1");
        waitForDecodes(3);
        QVERIFY(isUprightAtSize(img(viewer, 3)));
        QCOMPARE(img(viewer, 2)->text(), QString("Foto no disponible"));
        auto *caption = child<CellCaption>(viewer, "Dato_1");
        QCOMPARE(caption->text(), "150.000 eur-Piso\nNerja-" + LongZone);
        const QStringList lines = caption->shownLines();
        QVERIFY2(lines[0] == "150.000 eur-Piso" && lines[1].endsWith(u'…'), qPrintable(lines.join(u'|')));
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), caption->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(caption, &help);
        QCOMPARE(QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText(), caption->text());
    }

    // Digits only, typed or pasted, three at most, between 10 and 100; Enter
    // or leaving the box applies the zoom (an empty box reads 10), and Enter
    // presses no button; an empty box reads 100 at the next photo.
    void zoom_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("then"); // Return, Enter (keypad), Tab (leaving) or tick (the next photo)
        QTest::addColumn<QString>("shown");
        QTest::newRow("150 and Return") << "150" << "" << "Return" << "100";
        QTest::newRow("5 and Return") << "5" << "" << "Return" << "10";
        QTest::newRow("emptied and Return") << "" << "" << "Return" << "10";
        QTest::newRow("emptied, next photo") << "" << "" << "tick" << "100";
        QTest::newRow("5, then Tab") << "5" << "" << "Tab" << "10";
        QTest::newRow("letters, a fourth digit") << "a1,b2.3c4" << "" << "" << "123";
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
            viewer.internalsForTests().slideshow.Timer1_Timer();
        else if (!then.isEmpty())
            QTest::keyClick(zoom, QKeySequence(then)[0].key());
        QTRY_COMPARE(zoom->text(), shown);
        if (!then.isEmpty()) {
            QTRY_VERIFY(photo->isVisible());
            QVERIFY(qAbs(photo->width() * 100 - fitted * shown.toInt()) <= 200);
        }
    }

    // The interval follows the seconds list, also while running; each tick
    // steps to the next photo, from the last to the first, with the
    // navigator off and the pointer hidden until the mouse moves. Unchecking
    // or the grid stops it.
    void slideshow()
    {
        FrmFoto &viewer = open(3, 2);
        Slideshow &slides = viewer.internalsForTests().slideshow;
        auto *check = child<QCheckBox>(viewer, "Check1");
        auto *seconds = child<QComboBox>(viewer, "CbSeg");
        QWidget *navigator = child(viewer, "DatImagen");

        QTest::keyClick(seconds, Qt::Key_Return); // stopped: stays stopped
        QVERIFY(!slides.isRunning());
        check->click();
        QVERIFY(slides.isRunning() && !navigator->isEnabled());
        QCOMPARE(slides.interval(), 2000);
        seconds->setCurrentIndex(seconds->findText("10"));
        emit seconds->activated(seconds->currentIndex());
        QCOMPARE(slides.interval(), 10000);

        slides.Timer1_Timer();
        QCOMPARE(model(viewer).shownKey(), 3);
        QTest::keyClick(&viewer, Qt::Key_PageUp); // the navigator is off
        slides.Timer1_Timer();
        QCOMPARE(model(viewer).shownKey(), 1);

        viewer.internalsForTests().pointer.hidePointer();
        QCOMPARE(viewer.cursor().shape(), Qt::BlankCursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(img(viewer, 0), &move);
        QCOMPARE(viewer.cursor().shape(), Qt::ArrowCursor);

        check->click();
        QVERIFY(!slides.isRunning() && navigator->isEnabled());
        check->click();
        click(viewer, "OptAcc_1");
        QVERIFY(!check->isChecked() && !slides.isRunning());
    }

    // Keys go to the photos from the first: Space and Enter close nothing.
    // In the single view ← →, Page Up, Page Down, Home and End step as the
    // navigator's arrows do, also from an option button, which keeps its
    // choice, but not from the zoom box; in the grid the arrows move the mark
    // within the page, also from the lists, which take no typing. Escape
    // closes from anywhere.
    void keys_data()
    {
        QTest::addColumn<int>("openOn"); // 0: the grid
        QTest::addColumn<QString>("focused"); // a control with the focus first
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("after"); // the current photo, or the cell marked
        QTest::newRow("single view") << 1 << "" << QStringList{"Space", "Return", "Right", "End", "PgDown", "Left", "Home"}
                                     << QList<int>{1, 1, 2, 10, 10, 9, 1};
        QTest::newRow("from an option button") << 1 << "OptAcc_0" << QStringList{"Right", "Right", "Left"}
                                               << QList<int>{2, 3, 2};
        QTest::newRow("from the zoom box") << 1 << "TxtZoom" << QStringList{"Right", "PgDown"} << QList<int>{1, 1};
        QTest::newRow("grid") << 0 << "" << QStringList{"Space", "Right", "Down", "Down", "Left", "Up", "Up", "Up"}
                              << QList<int>{1, 2, 6, 10, 9, 5, 1, 1};
        QTest::newRow("from Filas") << 0 << "CBFila" << QStringList{"2", "Right"} << QList<int>{1, 2};
        QTest::newRow("from Col.") << 0 << "CbCol" << QStringList{"Down", "2"} << QList<int>{5, 5};
    }
    void keys()
    {
        QFETCH(int, openOn);
        QFETCH(QString, focused);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, after);
        FrmFoto &viewer = open(10, openOn);
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        if (!focused.isEmpty())
            child(viewer, focused)->setFocus();
        for (int i = 0; i < keys.size(); ++i) {
            const QKeyCombination key = QKeySequence(keys[i])[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            QVERIFY(viewer.isVisible());
            QCOMPARE(openOn == 0 ? model(viewer).markedCell() + 1 : model(viewer).currentKey(), after[i]);
        }
        QCOMPARE(child<QComboBox>(viewer, "CBFila")->currentText() + child<QComboBox>(viewer, "CbCol")->currentText(),
                 QString("34"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
    }

    // Nothing to show, every photo hidden or no catalogue: the window says
    // so, both views and their controls stay hidden, and a double-click
    // does nothing.
    void noPhotos()
    {
        makeFolder(3, 3);
        for (const bool catalogueOpen : {true, false}) {
            if (!catalogueOpen)
                modcol::BaseDatos.reset();
            FrmFoto &viewer = show(0);
            QCOMPARE(img(viewer, 0)->text(), QString("Sin fotos"));
            QVERIFY(img(viewer, 0)->isVisible());
            for (const char *option : {"OptAcc_0", "OptAcc_1"}) {
                click(viewer, option);
                QVERIFY(!child(viewer, "FraDet")->isVisible() && !child(viewer, "FraFoto")->isVisible());
            }
            doubleClick(img(viewer, 0));
            QVERIFY(viewer.isVisible() && viewer.fotoElegida() == 0);
        }
    }

    // The figures of the grid, a photo in its cell and the single photo:
    // the design's examples with the close button at its design place, and
    // a screen beyond 16-bit twips with the button scaled to it.
    void figures()
    {
        // W, H, the second column's left, the second row's top, and the first
        // caption's top: 10 twips below its picture's box in whole pixels.
        const auto measures = [](QSizeF screen, int top, int rows, int columns) {
            const auto cells = gridLayout(screen, top, rows, columns, 495);
            return QList<int>{cells[0].image.width(), cells[0].image.height() + 495, cells[1].image.left(),
                              cells[columns].image.top(), cells[0].caption.top()};
        };
        QCOMPARE(measures(QSizeF(15360, 11520), photoAreaTop(240, 495), 3, 4), QList<int>({3752, 3245, 3902, 4230, 3690}));
        QCOMPARE(measures(QSizeF(57600, 32400), photoAreaTop(630, 1290), 3, 5),
                 QList<int>({11440, 9810, 11590, 11980, 11445}));

        // Twice as wide as high: the box's width, 50 twips above the caption.
        // As tall as the box by width: fitted by the height, centred.
        QCOMPARE(cellPicture(QSize(3752, 2750), QSize(2000, 1000), QRect(100, 3690, 3752, 495)),
                 QRectF(100, 1764, 3752, 1876));
        QCOMPARE(cellPicture(QSize(3001, 2001), QSize(3, 2), QRect(100, 3690, 3001, 495)), QRectF(99.5, 1639, 3002, 2001));
        QCOMPARE(fittedPhoto(2001, 3001, QSize(3, 2)), QSize(3002, 2001));

        // The photo's box: 1300 twips off, or the area's top where the close
        // button ends lower. Zoom 50 centred; a photo taller than the band
        // below the close button held at its top.
        QCOMPARE(photoBox(QSizeF(15360, 11520), 935), QSize(14060, 10220));
        QCOMPARE(photoBox(QSizeF(28800, 16200), 1520), QSize(27500, 14680));
        QCOMPARE(zoomedPhoto(QSizeF(6667, 5000), 50, QSizeF(15360, 11520), 935), QRectF(6013.25, 4477.5, 3333.5, 2500));
        QCOMPARE(zoomedPhoto(QSizeF(7000, 10585), 100, QSizeF(15360, 11520), 935), QRectF(4180, 935, 7000, 10585));
    }

private:
    // Offer 1 in Nerja with `count` photos, the last `hidden` of them not to
    // be shown: photo i has the key i and the file "fotos/1_<i>.jpg", a small
    // picture.
    void makeFolder(int count, int hidden = 0, QSize picture = QSize(64, 48))
    {
        Offer offer{1, 150000, "Piso", "Nerja", LongZone};
        for (int i = 1; i <= count; ++i)
            offer.photos.append({QStringLiteral("fotos\\1_%1.jpg").arg(i), i > count - hidden});
        m_folder = std::make_unique<PartnerFolder>(QList<Offer>{offer});
        for (int i = 1; i <= count; ++i)
            writePicture(photoPath(i), picture);
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

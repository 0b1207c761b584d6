// The viewer's arithmetic at fixed screen sizes: the grid's cells, a photo
// fitted into a cell, and the single photo fitted to the window and zoomed.
#include <QTest>

#include "viewer/viewergeometry.h"

using namespace viewer;

class TestViewerGeometry : public QObject
{
    Q_OBJECT

private slots:
    // The design's example with the close button at its design place, and
    // a screen beyond 16-bit twips with the button scaled to it.
    void grid_data()
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
    void grid()
    {
        QFETCH(QSizeF, screen);
        QFETCH(QSize, close);
        QFETCH(QSize, grid);
        QFETCH(QList<int>, expected);
        const int top = photoAreaTop(close.width(), close.height());
        const GridLayout layout = gridLayout(screen, top, grid.width(), grid.height(), 495);
        QCOMPARE(QList<int>({layout.cellWidth, layout.cellHeight, layout.cells[1].image.left(),
                             layout.cells[grid.height()].image.top()}),
                 expected);
        QCOMPARE(int(layout.cells.size()), grid.width() * grid.height());
        QCOMPARE(layout.cells[0].image.topLeft(), QPoint(100, top));
        for (const CellBoxes &cell : layout.cells) {
            QCOMPARE(cell.image.height(), layout.cellHeight - 495);
            QCOMPARE(cell.caption.left(), cell.image.left());
            // 10 twips below the picture's box as it counts in whole pixels.
            QVERIFY(qAbs(cell.caption.top() - (cell.image.top() + cell.image.height() + 10)) <= 7);
            QVERIFY(cell.caption.top() + cell.caption.height() <= screen.height() - 700);
            QVERIFY(cell.image.left() + cell.image.width() <= screen.width() - 99);
        }
    }

    void cellPicture_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRectF>("expected");
        const QRect caption(100, 3690, 3752, 495);
        // Twice as wide as high: the box's width, 50 twips above the caption.
        QTest::newRow("2:1") << QSize(2000, 1000) << QRectF(100, 3690 - 1876 - 50, 3752, 1876);
        // Taller than the box: the box's height, centred over the caption.
        QTest::newRow("portrait") << QSize(300, 400) << QRectF(100 + (3752 - 2062) / 2.0, 3690 - 2750 - 50, 2062, 2750);
        // Exactly the box's height when fitted by width: fitted by height.
        QTest::newRow("box's own shape") << QSize(3752, 2750) << QRectF(100, 3690 - 2750 - 50, 3752, 2750);
        QTest::newRow("no picture") << QSize() << QRectF();
    }

    void cellPicture()
    {
        QFETCH(QSize, picture);
        QFETCH(QRectF, expected);
        QCOMPARE(viewer::cellPicture(QSize(3752, 2750), picture, QRect(100, 3690, 3752, 495)), expected);
    }

    void fit_data()
    {
        QTest::addColumn<QSize>("box"); // AnchoMax x AltoMax
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("fitted"); // invalid: not fitted
        QTest::newRow("landscape") << QSize(10000, 5000) << QSize(4000, 3000) << QSize(6667, 5000);
        QTest::newRow("portrait") << QSize(10000, 5000) << QSize(3000, 4000) << QSize(3750, 5000);
        QTest::newRow("wide") << QSize(10000, 5000) << QSize(4000, 1000) << QSize(10000, 2500);
        QTest::newRow("no picture") << QSize(10000, 5000) << QSize(0, 0) << QSize();
        QTest::newRow("window smaller than the margins") << QSize(-200, 5000) << QSize(4000, 3000) << QSize();
    }

    void fit()
    {
        QFETCH(QSize, box);
        QFETCH(QSize, picture);
        QFETCH(QSize, fitted);
        QCOMPARE(fittedPhoto(box.height(), box.width(), picture).value_or(QSize()), fitted);
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

    void zoom_data()
    {
        QTest::addColumn<QSizeF>("fitted");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("50") << QSizeF(6667, 5000) << 50 << QRectF((15360 - 3333.5) / 2, 4477.5, 3333.5, 2500);
        QTest::newRow("100") << QSizeF(6667, 5000) << 100 << QRectF((15360 - 6667) / 2.0, 3227.5, 6667, 5000);
        // Taller than the window less the top: held at the top, 935.
        QTest::newRow("tall") << QSizeF(7000, 10585) << 100 << QRectF(4180, 935, 7000, 10585);
    }

    void zoom()
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
};

QTEST_GUILESS_MAIN(TestViewerGeometry)
#include "tst_viewergeometry.moc"

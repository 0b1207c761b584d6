// The one fit of a picture into a box, in the figures of the card's photo
// box (4695 x 3615 twips) and the viewer's photo area.

#include <QTest>

#include "widgets/boxfit.h"

using modcol::FitTie;

class TestBoxFit : public QObject
{
    Q_OBJECT

private slots:
    void fit_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<FitTie>("tie");
        QTest::addColumn<QSize>("fitted"); // empty: nothing to fit
        const QSize card(4695, 3615);
        const QSize screen(10000, 5000);
        QTest::newRow("landscape: full width") << QSize(800, 600) << card << FitTie::KeepWidth << QSize(4695, 3521);
        QTest::newRow("portrait: full height") << QSize(600, 800) << card << FitTie::KeepWidth << QSize(2711, 3615);
        QTest::newRow("small: grown, half to even") << QSize(80, 40) << card << FitTie::KeepWidth << QSize(4695, 2348);
        QTest::newRow("wide") << QSize(4000, 1000) << screen << FitTie::FitHeight << QSize(10000, 2500);
        QTest::newRow("4:3 on a 2:1 screen") << QSize(4000, 3000) << screen << FitTie::FitHeight << QSize(6667, 5000);
        // As tall as the box by width: the tie decides, and the sides differ.
        QTest::newRow("tie kept by width") << QSize(3, 2) << QSize(3001, 2001) << FitTie::KeepWidth << QSize(3001, 2001);
        QTest::newRow("tie fitted by height") << QSize(3, 2) << QSize(3001, 2001) << FitTie::FitHeight << QSize(3002, 2001);
        QTest::newRow("no width") << QSize(0, 600) << card << FitTie::KeepWidth << QSize();
        QTest::newRow("window below its margins") << QSize(4000, 3000) << QSize(-200, 5000) << FitTie::FitHeight << QSize();
    }
    void fit()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(FitTie, tie);
        QFETCH(QSize, fitted);
        QCOMPARE(modcol::fitInBox(picture, box, tie), fitted);
    }
};

QTEST_GUILESS_MAIN(TestBoxFit)
#include "tst_boxfit.moc"

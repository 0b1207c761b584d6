// Windows designed in twips for an 800 x 600 screen, scaled to the real one
// once as they load, and the one fit of a picture into a box.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWidget>

#include "widgets/boxfit.h"
#include "widgets/formscaling.h"

using namespace modcol;

namespace {

// A window of the design size 11880 x 8490 twips with a few kinds of control.
struct Window
{
    Window()
    {
        frame.resize(twipsToPixels(11880), twipsToPixels(8490));
        placeControl(box, 240, 360, 1575, 360);
        setDesignFont(box, 9.75);
        placeControl(fitted, 240, 360, 100, 100);
        setDesignFont(fitted, 27.75);
        setAutoSize(fitted);
        placeControl(picture, 360, 1200, 1935, 975);
        placeControl(inner, 120, 60, 300, 300);
        combo->addItem("Chalet");
        placeControl(combo, 2040, 360, 1935, 360);
        setDesignFont(combo, 9.75);
    }

    QWidget frame;
    QLabel *box = new QLabel("Piso", &frame);
    QLabel *fitted = new QLabel("Inmobiliaria", &frame);
    QLabel *picture = new QLabel(&frame);
    QLabel *inner = new QLabel(picture);
    QComboBox *combo = new QComboBox(&frame);
    QWidget unplaced{&frame};
};

// Whether `text` of a control of `kind` fits it whole in its font as it is:
// a caption on one line beside a check box's indicator, a list's entry in
// its edit field, a wrapped label's text within its height.
bool textFits(const QString &kind, const QWidget *control, const QString &text)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (kind == "label")
        return metrics.horizontalAdvance(text) <= control->width() && metrics.height() <= control->height();
    if (kind == "check") {
        const QStyle *style = control->style();
        return style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                   + metrics.horizontalAdvance(text)
            <= control->width();
    }
    if (kind == "list") {
        QStyleOptionComboBox option;
        option.initFrom(control);
        return metrics.horizontalAdvance(text)
            < control->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, control).width();
    }
    return control->heightForWidth(control->width()) <= control->height();
}

} // namespace

class TestFormScaling : public QObject
{
    Q_OBJECT

private slots:
    void twipsRoundHalvesToEven()
    {
        QCOMPARE(twipsToPixels(37.5), 2);  // 2.5 px
        QCOMPARE(twipsToPixels(52.5), 4);  // 3.5 px
        QCOMPARE(twipsToPixels(5080), 339);
    }

    // Measures follow each direction's growth, fonts the smaller one; an
    // auto-sized label is re-fitted, on the design screen too.
    void scalesToScreen_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<double>("fontGrowth");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QRect>("inner"); // a control inside another, placed relative to it
        QTest::newRow("1024 x 768, all by 1.28") << QSizeF(15360, 11520) << 1.28 << QSize(1014, 724)
                                                 << QRect(20, 31, 134, 31) << QRect(10, 5, 26, 26);
        QTest::newRow("1280 x 1024, 1.6 across, 1.71 down") << QSizeF(19200, 15360) << 1.6 << QSize(1267, 966)
                                                            << QRect(26, 41, 168, 41) << QRect(13, 7, 32, 34);
        QTest::newRow("1920 x 1080, 2.4 across, 1.8 down") << QSizeF(28800, 16200) << 1.8 << QSize(1901, 1019)
                                                           << QRect(38, 43, 252, 43) << QRect(19, 7, 48, 36);
        QTest::newRow("800 x 600, as designed") << QSizeF(12000, 9000) << 1.0 << QSize(792, 566)
                                                << QRect(16, 24, 105, 24) << QRect(8, 4, 20, 20);
    }

    void scalesToScreen()
    {
        QFETCH(QSizeF, screen);
        QFETCH(double, fontGrowth);
        QFETCH(QSize, frame);
        QFETCH(QRect, box);
        QFETCH(QRect, inner);
        Window w;
        const QFont pictureFont = w.picture->font();
        w.fitted->setText("Un nombre bastante más largo");
        AjustaFormu(&w.frame, 0, 0, false, screen);

        QCOMPARE(w.frame.size(), frame);
        QCOMPARE(w.box->geometry(), box);
        QVERIFY(qAbs(w.box->font().pointSizeF() - 9.75 * fontGrowth) < 1e-4);
        QCOMPARE(w.inner->geometry(), inner);
        QCOMPARE(w.picture->font(), pictureFont);                  // no font of its own
        QCOMPARE(w.combo->height(), w.combo->sizeHint().height()); // from its font
        QCOMPARE(w.fitted->size(), w.fitted->sizeHint());
        QCOMPARE(w.unplaced.geometry(), QRect(0, 0, 100, 30));     // not a placed control
    }

    // A fixed text a fifth too wide for its box (a wrapped one, too tall)
    // at the font the scaling gives it: the font shrinks until the text fits
    // whole, and not a point further.
    void textsShrinkToFit_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSizeF>("screen");
        for (const char *kind : {"label", "check", "list", "wrapped"}) {
            QTest::addRow("%s, 1024 x 768", kind) << kind << QSizeF(15360, 11520);
            QTest::addRow("%s, 1920 x 1080", kind) << kind << QSizeF(28800, 16200);
        }
    }

    void textsShrinkToFit()
    {
        QFETCH(QString, kind);
        QFETCH(QSizeF, screen);
        const QString text = "Soporte telefónico y demostraciones del programa";
        QWidget frame;
        frame.resize(twipsToPixels(11880), twipsToPixels(8490));
        QWidget *control = nullptr;
        if (kind == "check") {
            control = new QCheckBox(text, &frame);
        } else if (kind == "list") {
            auto *list = new QComboBox(&frame);
            list->addItems({"Piso", text});
            control = list;
        } else {
            auto *label = new QLabel(text, &frame);
            label->setWordWrap(kind == "wrapped");
            control = label;
        }
        setDesignFont(control, 9.75);
        const double width = pixelsToTwips(control->fontMetrics().horizontalAdvance(text)) * 0.8;
        const double lineHeight = pixelsToTwips(control->fontMetrics().height()) * 1.5;
        if (kind == "wrapped")
            placeControl(control, 240, 120, int(width / 3), int(lineHeight * 2));
        else
            placeControl(control, 240, 120, int(width), int(lineHeight));
        AjustaFormu(&frame, 0, 0, false, screen);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        QFont font = control->font();
        QVERIFY(font.pointSizeF() < 9.75 * std::min(screen.width() / 12000, screen.height() / 9000));
        QVERIFY(textFits(kind, control, text));
        font.setPointSizeF(font.pointSizeF() + 1);
        control->setFont(font);
        QVERIFY(!textFits(kind, control, text));
    }

    // A window that already fits the screen is left as it is; auto-sized
    // labels are re-fitted only when scaling runs.
    void exactFitLeavesEverything()
    {
        Window w;
        w.fitted->setText("Un nombre bastante más largo");
        const QRect before = w.fitted->geometry();
        AjustaFormu(&w.frame, 9000 - 1400 - 480 - 120, 12000 - 4, false, QSizeF(12000, 9000));
        QCOMPARE(w.fitted->geometry(), before);
    }

    // The one fit of a picture into a box, in the figures of the card's photo
    // box (4695 x 3615 twips) and the viewer's photo area.
    void fitInBox_data()
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
    void fitInBox()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(FitTie, tie);
        QFETCH(QSize, fitted);
        QCOMPARE(modcol::fitInBox(picture, box, tie), fitted);
    }
};

QTEST_MAIN(TestFormScaling)
#include "tst_formscaling.moc"

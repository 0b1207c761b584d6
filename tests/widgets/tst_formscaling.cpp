#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWidget>

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
        placeControl(label, 240, 120, 1350, 225);
        setDesignFont(label, 9);
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
    QLabel *label = new QLabel("Tipo", &frame);
    QLabel *fitted = new QLabel("Inmobiliaria", &frame);
    QLabel *picture = new QLabel(&frame);
    QLabel *inner = new QLabel(picture);
    QComboBox *combo = new QComboBox(&frame);
    QWidget unplaced{&frame};
};

// The five screens the program is tried on, in twips.
const QList<std::pair<const char *, QSizeF>> Screens{
    {"800 x 600", QSizeF(12000, 9000)},   {"1024 x 768", QSizeF(15360, 11520)},
    {"1280 x 1024", QSizeF(19200, 15360)}, {"1366 x 768", QSizeF(20490, 11520)},
    {"1920 x 1080", QSizeF(28800, 16200)},
};

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

    // 1024 x 768: every measure and every font grows by 1.28.
    void scalesToScreen()
    {
        Window w;
        const QFont pictureFont = w.picture->font();
        AjustaFormu(&w.frame, 0, 0, false, QSizeF(15360, 11520));

        QCOMPARE(w.frame.size(), QSize(1014, 724));
        QCOMPARE(w.box->geometry(), QRect(20, 31, 134, 31));
        QCOMPARE(w.box->font().pointSizeF(), 9.75 * 1.28);
        QCOMPARE(w.label->font().pointSizeF(), 9 * 1.28);
        QCOMPARE(w.picture->geometry(), QRect(31, 102, 165, 83));
        QCOMPARE(w.picture->font(), pictureFont);               // no font of its own
        QCOMPARE(w.inner->geometry(), QRect(10, 5, 26, 26));    // relative to its container
        QCOMPARE(w.combo->width(), 165);
        QCOMPARE(w.combo->height(), w.combo->sizeHint().height()); // from its font
        QCOMPARE(w.fitted->size(), w.fitted->sizeHint());       // re-fitted at the new size
        QCOMPARE(w.unplaced.geometry(), QRect(0, 0, 100, 30));  // not a placed control
    }

    void fontsFollowTheSmallerGrowth_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<double>("growth");
        QTest::newRow("5:4, 1280 x 1024") << QSizeF(19200, 15360) << 1.6;
        QTest::newRow("16:9, 1920 x 1080") << QSizeF(28800, 16200) << 1.8;
        QTest::newRow("800 x 600") << QSizeF(12000, 9000) << 1.0;
    }

    void fontsFollowTheSmallerGrowth()
    {
        QFETCH(QSizeF, screen);
        QFETCH(double, growth);
        Window w;
        AjustaFormu(&w.frame, 0, 0, false, screen);
        QVERIFY(qAbs(w.label->font().pointSizeF() - 9 * growth) < 1e-4);
        // Widths still follow the horizontal ratio.
        QCOMPARE(w.label->width(), twipsToPixels(1350 * screen.width() / 12000));
    }

    // The windows' longest fixed texts in their design boxes and fonts: after
    // scaling each still fits its box whole, in a font shrunk from the scaled
    // size only as far as needed.
    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("design"); // twips
        QTest::addColumn<double>("points");
        QTest::addColumn<QSizeF>("screen");
        const QString advertising = "Actualización automática de la página web de la inmobiliaria desde el programa.\n"
                                    "Envío de ofertas a los portales Casas Hoy, InmoRed, Vivienda Directa y TuPiso.\n"
                                    "Diseño y construcción de sitios web para inmobiliarias.\n"
                                    "Comunicación entre oficinas.\n"
                                    "Grabación automática de CDs para los colaboradores.\n"
                                    "Y muchas funciones más.";
        for (const auto &[name, screen] : Screens) {
            const auto row = [&](const char *what) -> QTestData & { return QTest::addRow("%s, %s", what, name); };
            row("type label") << "label" << "Seleccione Tipo" << QRect(240, 120, 1350, 225) << 9.0 << screen;
            row("city label") << "label" << "Seleccione Ciudad" << QRect(2040, 120, 1575, 225) << 9.0 << screen;
            row("telephone") << "label" << "Soporte telefónico 900 123 456" << QRect(5280, 4560, 2880, 240) << 9.75
                             << screen;
            row("demonstrations") << "label" << "Hacemos demostraciones del Software" << QRect(2280, 3840, 4470, 285)
                                  << 12.0 << screen;
            row("pool box") << "check" << "Piscina" << QRect(9480, 360, 975, 255) << 9.75 << screen;
            row("type list") << "list" << "Local comercial" << QRect(240, 360, 1575, 360) << 9.75 << screen;
            row("advertising, wrapped") << "text" << advertising << QRect(360, 1920, 7695, 1815) << 9.75 << screen;
        }
    }

    void textsFitTheirBoxes()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QRect, design);
        QFETCH(double, points);
        QFETCH(QSizeF, screen);
        QWidget frame;
        frame.resize(twipsToPixels(11880), twipsToPixels(8490));
        QWidget *control = nullptr;
        if (kind == "label") {
            control = new QLabel(text, &frame);
        } else if (kind == "check") {
            control = new QCheckBox(text, &frame);
        } else if (kind == "list") {
            auto *list = new QComboBox(&frame);
            list->addItems({"Piso", text, "Ático"});
            list->setCurrentIndex(1);
            control = list;
        } else {
            auto *area = new QLabel(text, &frame);
            area->setWordWrap(true);
            area->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            control = area;
        }
        placeControl(control, design.x(), design.y(), design.width(), design.height());
        setDesignFont(control, points);
        AjustaFormu(&frame, 0, 0, false, screen);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        const double scaled = points * std::min(screen.width() / 12000, screen.height() / 9000);
        QVERIFY(control->font().pointSizeF() <= scaled + 1e-4);
        QVERIFY2(control->font().pointSizeF() > 0.7 * scaled, qPrintable(QString::number(control->font().pointSizeF())));
        const QFontMetrics metrics = control->fontMetrics();
        if (kind == "label") {
            QVERIFY(metrics.horizontalAdvance(text) <= control->width());
            QVERIFY(metrics.height() <= control->height());
        } else if (kind == "check") {
            const QStyle *style = control->style();
            QVERIFY(style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                        + metrics.horizontalAdvance(text)
                    <= control->width());
        } else if (kind == "list") {
            QStyleOptionComboBox option;
            option.initFrom(control);
            const QRect field = control->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                 QStyle::SC_ComboBoxEditField, control);
            QVERIFY(metrics.horizontalAdvance(text) < field.width());
        } else {
            QVERIFY(control->heightForWidth(control->width()) <= control->height());
        }
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

        AjustaFormu(&w.frame, 0, 0, false, QSizeF(12000, 9000));
        QCOMPARE(w.fitted->size(), w.fitted->sizeHint());
        QCOMPARE(w.box->geometry(), QRect(16, 24, 105, 24));
    }
};

QTEST_MAIN(TestFormScaling)
#include "tst_formscaling.moc"

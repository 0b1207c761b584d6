#include "widgets/formscaling.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QStyleOption>
#include <QWidget>

#include "catalogue/rounding.h"

namespace modcol {
namespace {

const char *const ControlProperty = "designControl";
const char *const AutoSizeProperty = "autoSize";
// The font size the design and the scaling gave a control, before fitText.
const char *const FullSizeProperty = "fullPointSize";

// The design screen: 800 by 600 pixels.
constexpr float DesignWidth = 12000.f;
constexpr float DesignHeight = 9000.f;

// What surrounds a window's inside on the screen, in twips, for the test
// whether a window already fills the screen: its side borders across; down,
// its caption, menu bar and top and bottom borders, the task bar, a tool bar
// where the window has one (`extra`), and a little more on a screen under
// 9500 twips high (800 by 600 and smaller), where the bars take more room.
constexpr int SideBorders = 4;
constexpr int CaptionAndMenuBar = 1400;
constexpr int TaskBar = 480;
constexpr int ToolBar = 660;
constexpr int SmallScreenAllowance = 120;
constexpr float SmallScreenHeight = 9500.f;

// Combo boxes take their height from their font.
bool hasOwnHeight(const QWidget *control)
{
    return !qobject_cast<const QComboBox *>(control);
}

// Whether `text` in the control's font fits `room` (pixels).
bool fitsIn(const QWidget *control, const QString &text, const QRect &room)
{
    const QSize needed = control->fontMetrics().size(0, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// The room a button's style leaves for its caption.
QRect captionRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool checkBox = qobject_cast<const QCheckBox *>(button);
    return button->style()->subElementRect(checkBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                           &option, button);
}

// The room a closed list leaves for its text: its edit field, less the
// pixel the style keeps clear on either side.
QRect listTextRoom(const QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .adjusted(1, 0, -1, 0);
}

// Whether the control's fixed text fits its box in its font as it is now: a
// caption on one line, or a label's text wrapped to its width. Typed text,
// and controls without text, always fit.
bool textFits(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->text().isEmpty())
            return true;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        const int margin = label->margin();
        return fitsIn(label, label->text(), label->contentsRect().adjusted(margin, margin, -margin, -margin));
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return fitsIn(button, button->text(), captionRoom(button));
    if (const auto *list = qobject_cast<const QComboBox *>(control)) {
        const QRect room = listTextRoom(list);
        for (int i = 0; i < list->count(); ++i) {
            if (!fitsIn(list, list->itemText(i), room))
                return false;
        }
        return true;
    }
    return true;
}

} // namespace

double pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

int twipsToPixels(double value)
{
    return static_cast<int>(catalogue::nearestEven(value / TwipsPerPixel));
}

void placeControl(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    control->setProperty(ControlProperty, true);
}

void setDesignFont(QWidget *control, double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    control->setFont(font);
    control->setProperty(FullSizeProperty, points);
}

void fitText(QWidget *control)
{
    // Hinted glyphs do not grow in step with the font, and a substitute for
    // Arial may run wider: the size that fitted at design size can overflow.
    constexpr double Step = 0.25;
    constexpr double Smallest = 1.0;
    const double full = control->property(FullSizeProperty).toDouble();
    if (full <= 0)
        return;
    QFont font = control->font();
    font.setPointSizeF(full);
    control->setFont(font);
    while (!textFits(control) && font.pointSizeF() - Step >= Smallest) {
        font.setPointSizeF(font.pointSizeF() - Step);
        control->setFont(font);
    }
}

void setAutoSize(QLabel *label)
{
    label->setProperty(AutoSizeProperty, true);
    label->adjustSize();
}

QSizeF screenTwips(const QWidget *window)
{
    const QScreen *screen = window->screen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(800, 600);
    return QSizeF(pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height()));
}

void AjustaFormu(QWidget *frm, int alto, int ancho, bool extra)
{
    AjustaFormu(frm, alto, ancho, extra, screenTwips(frm));
}

void AjustaFormu(QWidget *frm, int alto, int ancho, bool extra, QSizeF screen)
{
    const auto screenWidth = static_cast<float>(screen.width());
    const auto screenHeight = static_cast<float>(screen.height());
    if (alto == 0)
        alto = static_cast<int>(catalogue::nearestEven(pixelsToTwips(frm->height())));
    if (ancho == 0)
        ancho = static_cast<int>(catalogue::nearestEven(pixelsToTwips(frm->width())));

    // A window that already fits the screen exactly is left alone.
    const float testX = static_cast<float>(ancho + SideBorders) / screenWidth;
    float needed = static_cast<float>(alto) + CaptionAndMenuBar + TaskBar;
    if (extra)
        needed += ToolBar;
    if (screenHeight < SmallScreenHeight)
        needed += SmallScreenAllowance;
    const float testY = needed / screenHeight;
    if (testX == 1.f && testY == 1.f)
        return;

    const float rx = DesignWidth / screenWidth;
    const float ry = DesignHeight / screenHeight;
    frm->resize(twipsToPixels(pixelsToTwips(frm->width()) / rx), twipsToPixels(pixelsToTwips(frm->height()) / ry));
    const auto controls = frm->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->property(ControlProperty).toBool())
            AjustaControl(control, rx, ry);
    }
}

void AjustaControl(QWidget *ctl, float rx, float ry)
{
    if (ctl->testAttribute(Qt::WA_SetFont)) {
        // Fonts follow the smaller growth of the two directions: on a wide
        // screen the horizontal one alone would outgrow the controls' heights.
        QFont font = ctl->font();
        font.setPointSizeF(font.pointSizeF() / std::max(rx, ry));
        ctl->setFont(font);
        ctl->setProperty(FullSizeProperty, font.pointSizeF());
    }
    const QRect design = ctl->geometry();
    const int height = hasOwnHeight(ctl) ? twipsToPixels(pixelsToTwips(design.height()) / ry) : ctl->sizeHint().height();
    const int width = twipsToPixels(pixelsToTwips(design.width()) / rx);
    const int left = twipsToPixels(pixelsToTwips(design.x()) / rx);
    const int top = twipsToPixels(pixelsToTwips(design.y()) / ry);
    ctl->setGeometry(left, top, width, height);
    if (ctl->property(AutoSizeProperty).toBool())
        ctl->adjustSize();
    else
        fitText(ctl);
}

} // namespace modcol

#include "startup/formscaling.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include "catalogue/rounding.h"

namespace modcol {
namespace {

const char *const ControlProperty = "designControl";
const char *const AutoSizeProperty = "autoSize";

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
    }
    const QRect design = ctl->geometry();
    const int height = hasOwnHeight(ctl) ? twipsToPixels(pixelsToTwips(design.height()) / ry) : ctl->sizeHint().height();
    const int width = twipsToPixels(pixelsToTwips(design.width()) / rx);
    const int left = twipsToPixels(pixelsToTwips(design.x()) / rx);
    const int top = twipsToPixels(pixelsToTwips(design.y()) / ry);
    ctl->setGeometry(left, top, width, height);
    if (ctl->property(AutoSizeProperty).toBool())
        ctl->adjustSize();
}

} // namespace modcol

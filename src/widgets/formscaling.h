#pragma once

#include <QSizeF>

class QLabel;
class QWidget;

// Windows are designed in twips (1/1440 inch) for a screen of 12000 by 9000
// twips (800 by 600 pixels) and stretched once, when they load, by the ratio
// between the actual screen and that design screen.
namespace modcol {

constexpr double TwipsPerPixel = 15.0;

int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// Places a control at its design position and size in twips. Only controls
// placed this way are scaled by AjustaFormu.
void placeControl(QWidget *control, int left, int top, int width, int height);

// The control's own font: Arial at `points`, bold unless told otherwise.
void setDesignFont(QWidget *control, double points, bool bold = true);

// A label that fits its caption, and fits it again after scaling.
void setAutoSize(QLabel *label);

// Shrinks the control's font, from the size the design and the scaling gave
// it, until its fixed text fits its box: a caption, every entry of a list, a
// word-wrapped label's whole text. Scaling fits every control it scales; a
// list filled later is fitted again after each fill.
void fitText(QWidget *control);

// The window's screen in twips: its logical pixels times 15.
QSizeF screenTwips(const QWidget *window);

// Scales the window and every control placed on it to its screen.
// `alto` and `ancho` are a height and a width in twips, 0 for the window's own.
void AjustaFormu(QWidget *frm, int alto, int ancho, bool extra);
// The same for a given screen size in twips.
void AjustaFormu(QWidget *frm, int alto, int ancho, bool extra, QSizeF screen);

// Divides the control's font size, height, width, left and top by the
// divisors, in that order. A control without a font or a height of its own
// keeps what it has.
void AjustaControl(QWidget *ctl, float rx, float ry);

} // namespace modcol

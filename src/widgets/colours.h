#pragma once

#include <QColor>

class QWidget;

// The colours of the windows' controls, set one way: through the control's
// palette, on the role the control paints with.
namespace modcol {

// The design's colours, one name each, for every window.
namespace DesignColour {
inline const QColor WindowBlue(0x28, 0x82, 0xA4); // the results window's and the viewer's ground
inline const QColor BandGrey(0xBF, 0xBF, 0xBF);   // the search band and the viewer's bar
inline const QColor TextBlue(0, 0, 255);          // the agency's name, links, the card's price and frames
inline const QColor FrameGreen(0, 128, 0);        // the card's other frames
inline const QColor ButtonGrey(128, 128, 128);    // the card's command buttons
} // namespace DesignColour

// The colour the control fills its background with: the face of a button or
// check box, the page of a text area, the ground of anything else.
void setBackColour(QWidget *control, const QColor &colour);

// The colour of the control's text.
void setTextColour(QWidget *control, const QColor &colour);

} // namespace modcol

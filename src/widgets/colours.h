#pragma once

class QColor;
class QWidget;

// The colours of the windows' controls, set one way: through the control's
// palette, on the role the control paints with.
namespace modcol {

// The colour the control fills its background with: the face of a button or
// check box, the page of a text area, the ground of anything else.
void setBackColour(QWidget *control, const QColor &colour);

// The colour of the control's text.
void setTextColour(QWidget *control, const QColor &colour);

} // namespace modcol

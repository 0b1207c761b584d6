#include "widgets/colours.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QWidget>

namespace modcol {

void setBackColour(QWidget *control, const QColor &colour)
{
    // A text area paints its page in its viewport.
    const auto *area = qobject_cast<const QAbstractScrollArea *>(control);
    const QPalette::ColorRole role = area ? area->viewport()->backgroundRole() : control->backgroundRole();
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(control->foregroundRole(), colour);
    control->setPalette(palette);
}

} // namespace modcol

#include "widgets/commandbutton.h"

#include "widgets/keys.h"

namespace modcol {

CommandButton::CommandButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!pressOnEnter(this, event))
        QPushButton::keyPressEvent(event);
}

} // namespace modcol

#include "widgets/commandbutton.h"

#include <QKeyEvent>

namespace modcol {

CommandButton::CommandButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // A held Enter presses once.
    if (!event->isAutoRepeat())
        click();
}

} // namespace modcol

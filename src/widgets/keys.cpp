#include "widgets/keys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace modcol {
namespace {

bool isArrow(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

class ArrowsToWindow : public QObject
{
public:
    explicit ArrowsToWindow(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !isArrow(static_cast<const QKeyEvent *>(event)))
            return QObject::eventFilter(watched, event);
        QCoreApplication::sendEvent(m_window, event);
        return true;
    }

private:
    QWidget *m_window;
};

} // namespace

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool pressOnEnter(QAbstractButton *button, const QKeyEvent *key)
{
    if (!isEnter(key))
        return false;
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

bool reachesChoiceList(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_F4:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return key->modifiers() & Qt::AltModifier;
    default:
        return false;
    }
}

void keepKeysInWindow(QWidget *window)
{
    window->setFocusPolicy(Qt::ClickFocus);
    window->setFocus();
    auto *filter = new ArrowsToWindow(window);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        button->installEventFilter(filter);
}

} // namespace modcol

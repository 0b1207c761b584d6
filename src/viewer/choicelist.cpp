#include "viewer/choicelist.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

namespace viewer {
namespace {

bool reachesTheList(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_F4:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return key->modifiers() & Qt::AltModifier;
    default:
        return false;
    }
}

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

class NoTypingFilter : public QObject
{
public:
    NoTypingFilter(QComboBox *list, std::function<void()> onEnter)
        : QObject(list)
        , m_onEnter(std::move(onEnter))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel)
            return true;
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (reachesTheList(key))
            return false;
        if (isEnter(key) && m_onEnter) {
            m_onEnter();
            return true;
        }
        QCoreApplication::sendEvent(static_cast<QWidget *>(watched)->window(), event);
        return true;
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

void acceptNoTyping(QComboBox *list, std::function<void()> onEnter)
{
    list->setEditable(false);
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(new NoTypingFilter(list, std::move(onEnter)));
}

} // namespace viewer

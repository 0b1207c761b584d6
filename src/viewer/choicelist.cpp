#include "viewer/choicelist.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

#include "widgets/keys.h"

namespace viewer {
namespace {

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
        if (modcol::reachesChoiceList(key))
            return false;
        if (modcol::isEnter(key) && m_onEnter) {
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

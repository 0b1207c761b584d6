#include "widgets/afterpainting.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace modcol {
namespace {

// A child of the context, so that the context's end takes the call with it.
class DeferredCall : public QObject
{
public:
    DeferredCall(std::function<void()> call, QObject *context)
        : QObject(context)
        , m_call(std::move(call))
    {
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        deleteLater();
        m_call();
        return true;
    }

private:
    std::function<void()> m_call;
};

} // namespace

void callAfterPainting(QObject *context, std::function<void()> call)
{
    QCoreApplication::postEvent(new DeferredCall(std::move(call), context), new QEvent(QEvent::User),
                                Qt::LowEventPriority - 1);
}

} // namespace modcol

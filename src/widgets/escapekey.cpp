#include "widgets/escapekey.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace modcol {
namespace {

class EscapeRepeatFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        if (keyEvent) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Escape && key->isAutoRepeat()) {
                // Accepting the override keeps shortcuts from firing; the
                // key press itself then goes nowhere.
                key->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ignoreEscapeRepeats(QCoreApplication &app)
{
    app.installEventFilter(new EscapeRepeatFilter(&app));
}

} // namespace modcol

#include "viewer/pointerhider.h"

#include <QApplication>
#include <QWidget>

namespace viewer {
namespace {

constexpr int IdleMs = 2000;

} // namespace

PointerHider::PointerHider(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(IdleMs);
    connect(&m_idle, &QTimer::timeout, this, &PointerHider::hidePointer);
}

void PointerHider::watch()
{
    qApp->installEventFilter(this);
    m_idle.start();
}

void PointerHider::stop()
{
    qApp->removeEventFilter(this);
    m_idle.stop();
    m_window->unsetCursor();
}

void PointerHider::hidePointer()
{
    m_window->setCursor(Qt::BlankCursor);
}

bool PointerHider::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        m_window->unsetCursor();
        m_idle.start();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace viewer

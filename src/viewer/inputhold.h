#pragma once

#include <QPointer>
#include <QWidget>

namespace viewer {

// Holds the window's input off for as long as it lives: the window is
// disabled, then enabled again however the scope is left, with the focus
// back where it was.
class InputHold
{
public:
    explicit InputHold(QWidget *window)
        : m_window(window)
        , m_focus(window->focusWidget())
    {
        m_window->setEnabled(false);
    }

    ~InputHold()
    {
        m_window->setEnabled(true);
        if (m_focus && m_focus->isEnabled())
            m_focus->setFocus();
    }

    InputHold(const InputHold &) = delete;
    InputHold &operator=(const InputHold &) = delete;

private:
    QWidget *m_window;
    QPointer<QWidget> m_focus;
};

} // namespace viewer

#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace viewer {

// While it watches, the mouse pointer over `window` hides after two seconds
// without movement and shows again when the mouse moves: a slideshow is
// watched, not pointed at.
class PointerHider : public QObject
{
    Q_OBJECT

public:
    explicit PointerHider(QWidget *window);

    void watch();
    // Stops watching and shows the pointer.
    void stop();
    // What two seconds without movement do.
    void hidePointer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QTimer m_idle;
};

} // namespace viewer

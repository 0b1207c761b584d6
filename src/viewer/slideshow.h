#pragma once

#include <QObject>
#include <QTimer>

class QCheckBox;
class QComboBox;

namespace modcol {
class RecordNavigator;
}

namespace viewer {

// The single view's slideshow: "Automatico" (`Check1`) starts and stops it,
// the seconds list (`CbSeg`) sets its pace, and `Timer1` moves the photo
// list one photo on at every tick, from the last back to the first. The
// navigator (`DatImagen`) takes no clicks while it runs, and the mouse
// pointer hides after two seconds without movement.
class Slideshow : public QObject
{
    Q_OBJECT

public:
    // The timer `Timer1` is made here, a child of `window`.
    Slideshow(QWidget *window, QCheckBox *check, QComboBox *seconds, modcol::RecordNavigator *navigator);

    // Stops it for good: the window is closing.
    void stop();

    // Check1_Click: applies the check box's state, starting the count of
    // the interval again.
    void Check1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Timer1_Timer();
    void showPointer();

    QWidget *m_window;
    QCheckBox *Check1;
    QComboBox *CbSeg;
    modcol::RecordNavigator *DatImagen;
    QTimer *Timer1;
    QTimer *m_pointerIdle;
};

} // namespace viewer

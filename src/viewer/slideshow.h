#pragma once

#include <QObject>
#include <QTimer>

namespace viewer {

class ViewerModel;

// The single view's slideshow: its timer (`Timer1`) moves the model's photo
// list one photo on at every tick, from the last back to the first. The
// window's "Automatico" and seconds list start and stop it.
class Slideshow : public QObject
{
    Q_OBJECT

public:
    explicit Slideshow(ViewerModel &model, QObject *parent = nullptr);

    // A tick every `seconds`, the first one a full interval from now, also
    // when it was running.
    void start(int seconds);
    void stop();
    bool isRunning() const { return Timer1.isActive(); }
    int interval() const { return Timer1.interval(); } // milliseconds

    // One tick's advance.
    void Timer1_Timer();

private:
    ViewerModel &m_model;
    QTimer Timer1;
};

} // namespace viewer

#include "viewer/slideshow.h"

#include "startup/failure.h"
#include "viewer/viewermodel.h"

namespace viewer {

Slideshow::Slideshow(ViewerModel &model, QObject *parent)
    : QObject(parent)
    , m_model(model)
{
    connect(&Timer1, &QTimer::timeout, this, [this] { modcol::endOnFailure([this] { Timer1_Timer(); }); });
}

void Slideshow::start(int seconds)
{
    Timer1.start(seconds * 1000);
}

void Slideshow::stop()
{
    Timer1.stop();
}

void Slideshow::Timer1_Timer()
{
    m_model.advance();
}

} // namespace viewer

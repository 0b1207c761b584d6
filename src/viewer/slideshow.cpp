#include "viewer/slideshow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include "catalogue/recordset.h"
#include "startup/failure.h"
#include "widgets/recordnavigator.h"

namespace viewer {
namespace {

constexpr int PointerIdleMs = 2000;

} // namespace

Slideshow::Slideshow(QWidget *window, QCheckBox *check, QComboBox *seconds, modcol::RecordNavigator *navigator)
    : QObject(window)
    , m_window(window)
    , Check1(check)
    , CbSeg(seconds)
    , DatImagen(navigator)
    , Timer1(new QTimer(window))
    , m_pointerIdle(new QTimer(this))
{
    Timer1->setObjectName(QStringLiteral("Timer1"));
    m_pointerIdle->setObjectName(QStringLiteral("pointerIdle"));
    m_pointerIdle->setSingleShot(true);
    m_pointerIdle->setInterval(PointerIdleMs);
    connect(m_pointerIdle, &QTimer::timeout, this, [this] { m_window->setCursor(Qt::BlankCursor); });
    connect(Timer1, &QTimer::timeout, this, [this] { modcol::endOnFailure([this] { Timer1_Timer(); }); });
    // Unchecked by code too (the grid view stops the slideshow that way).
    connect(Check1, &QCheckBox::toggled, this, &Slideshow::Check1_Click);
    connect(CbSeg, &QComboBox::activated, this, &Slideshow::Check1_Click);
}

void Slideshow::Check1_Click()
{
    if (Check1->isChecked()) {
        if (CbSeg->currentText().trimmed().isEmpty())
            CbSeg->setCurrentText(QStringLiteral("2"));
        Timer1->stop();
        Timer1->setInterval((CbSeg->currentText().trimmed() + QStringLiteral("000")).toInt());
        Timer1->start();
        DatImagen->setEnabled(false);
        qApp->installEventFilter(this);
        m_pointerIdle->start();
    } else {
        Timer1->stop();
        DatImagen->setEnabled(true);
        showPointer();
    }
}

void Slideshow::stop()
{
    Timer1->stop();
    showPointer();
}

void Slideshow::Timer1_Timer()
{
    catalogue::Recordset *photos = DatImagen->recordset();
    if (!photos || photos->RecordCount() <= 0)
        return;
    if (!photos->Eof())
        photos->MoveNext();
    if (photos->Eof())
        photos->MoveFirst();
}

void Slideshow::showPointer()
{
    qApp->removeEventFilter(this);
    m_pointerIdle->stop();
    m_window->unsetCursor();
}

bool Slideshow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        m_window->unsetCursor();
        m_pointerIdle->start();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace viewer

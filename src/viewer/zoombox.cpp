#include "viewer/zoombox.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "widgets/digitsvalidator.h"
#include "widgets/keys.h"

namespace viewer {
namespace {

constexpr int MinZoom = 10;
constexpr int MaxZoom = 100;

bool movedByUser(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason
           || reason == Qt::OtherFocusReason;
}

} // namespace

ZoomBox::ZoomBox(QWidget *parent)
    : QLineEdit(QString::number(MaxZoom), parent)
{
    setMaxLength(3);
    setValidator(new modcol::DigitsValidator(this));
}

int ZoomBox::percent(const QString &whenEmpty)
{
    QString zoom = text().isEmpty() ? whenEmpty : text();
    if (zoom.toInt() > MaxZoom)
        zoom = QString::number(MaxZoom);
    else if (zoom.toInt() < MinZoom)
        zoom = QString::number(MinZoom);
    if (zoom != text())
        setText(zoom);
    return zoom.toInt();
}

void ZoomBox::keyPressEvent(QKeyEvent *event)
{
    if (modcol::isEnter(event))
        emit entered();
    else
        QLineEdit::keyPressEvent(event);
}

void ZoomBox::focusOutEvent(QFocusEvent *event)
{
    if (movedByUser(event->reason()))
        emit left();
    QLineEdit::focusOutEvent(event);
}

} // namespace viewer

#include "viewer/cellcaption.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

namespace viewer {

QRect CellCaption::textRoom() const
{
    // As a label draws it: a framed one keeps half an "x" clear of its frame.
    QRect room = contentsRect();
    if (frameWidth() > 0 && indent() < 0)
        room.setLeft(room.left() + fontMetrics().horizontalAdvance(u'x') / 2);
    return room;
}

QStringList CellCaption::shownLines() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = textRoom().width();
    QStringList lines = text().split(u'\n');
    for (QString &line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, width);
    return lines;
}

void CellCaption::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, textRoom(), int(alignment()), palette(), isEnabled(),
                          shownLines().join(u'\n'), foregroundRole());
}

bool CellCaption::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    if (shownLines().join(u'\n') == text()) {
        QToolTip::hideText();
        return true;
    }
    // Markup in the catalogue's text is shown as written.
    const QString whole = Qt::convertFromPlainText(text(), Qt::WhiteSpaceNormal);
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), whole, this);
    return true;
}

} // namespace viewer

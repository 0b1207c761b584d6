#include "demofolder/outlinetext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace demofolder {

void drawOutlineText(QPainter &painter, const QRectF &box, Qt::Alignment horizontal, const QFont &font,
                     const QString &text, const QColor &colour)
{
    const QFontMetricsF metrics(font);
    const double left = horizontal.testFlag(Qt::AlignHCenter)
                            ? box.center().x() - metrics.horizontalAdvance(text) / 2
                            : box.left();
    const QPointF baseline(left, box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath path;
    path.addText(baseline, font, text);
    painter.fillPath(path, colour);
}

} // namespace demofolder

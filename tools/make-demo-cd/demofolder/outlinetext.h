#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace demofolder {

// Draws one line of text, vertically centred in `box` and either centred or
// left-aligned in it, as filled outlines. Glyphs drawn through Qt's
// per-thread glyph caches come out slightly different depending on what the
// thread drew before; outlines do not, which keeps the pictures the same
// from run to run.
void drawOutlineText(QPainter &painter, const QRectF &box, Qt::Alignment horizontal, const QFont &font,
                     const QString &text, const QColor &colour);

} // namespace demofolder

#pragma once

#include <QRect>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "widgets/formscaling.h"

// What the viewer's arithmetic reads from its controls and writes back:
// measures in twips, and the tag that carries a photo's or an offer's key.
namespace viewer {

// A control's place in twips, as it reports it: in whole pixels.
inline QRect inTwips(const QRect &pixels)
{
    const auto twips = [](int value) { return int(modcol::pixelsToTwips(value)); };
    return QRect(twips(pixels.x()), twips(pixels.y()), twips(pixels.width()), twips(pixels.height()));
}

// A place in twips on the pixels of the screen.
inline QRect inPixels(const QRectF &twips)
{
    using modcol::twipsToPixels;
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

// The key a picture box or caption carries, as decimal text; empty for none.
inline QString tag(const QWidget *control)
{
    return control->property("Tag").toString();
}

inline void setTag(QWidget *control, const QString &key)
{
    control->setProperty("Tag", key);
}

} // namespace viewer

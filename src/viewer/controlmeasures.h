#pragma once

#include <QRect>
#include <QRectF>
#include <QWidget>

#include "viewer/viewergeometry.h"
#include "widgets/formscaling.h"

// What the viewer's arithmetic reads from its controls and writes back:
// measures in twips.
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

// The upper edge of the photo area and of the grid, below the close button
// where it stands.
inline int photoAreaTop(const QWidget &closeButton)
{
    const QRect close = inTwips(closeButton.geometry());
    return photoAreaTop(close.top(), close.height());
}

} // namespace viewer

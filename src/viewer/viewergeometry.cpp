#include "viewer/viewergeometry.h"

#include <algorithm>

#include "catalogue/rounding.h"
#include "widgets/boxfit.h"
#include "widgets/formscaling.h"

using catalogue::nearestEven;

namespace viewer {
namespace {

int whole(double value)
{
    return static_cast<int>(nearestEven(value));
}

// A height as an image box reports it back: in whole pixels.
int inWholePixels(int twips)
{
    return whole(twips / modcol::TwipsPerPixel) * static_cast<int>(modcol::TwipsPerPixel);
}

} // namespace

int photoAreaTop(int closeTop, int closeHeight)
{
    return whole(double(closeHeight) + closeTop + 200);
}

GridLayout gridLayout(QSizeF screen, int top, int rows, int columns, int captionHeight)
{
    GridLayout grid;
    if (rows <= 0 || columns <= 0)
        return grid;
    grid.cellWidth = whole((screen.width() - (columns + 3) * 50) / columns);
    grid.cellHeight = whole((screen.height() - top - 500 - (rows + 4) * 50) / rows);
    const int imageHeight = grid.cellHeight - captionHeight;
    const int captionTop = inWholePixels(imageHeight) + 10;
    int cellTop = top;
    for (int r = 0; r < rows; ++r) {
        int left = 100;
        for (int c = 0; c < columns; ++c) {
            grid.cells.push_back({QRect(left, cellTop, grid.cellWidth, imageHeight),
                                  QRect(left, cellTop + captionTop, grid.cellWidth, captionHeight)});
            left += grid.cellWidth + 50;
        }
        cellTop += grid.cellHeight + 50;
    }
    return grid;
}

QRectF cellPicture(QSize box, QSize picture, const QRect &caption)
{
    if (picture.isEmpty() || box.isEmpty())
        return QRectF();
    const QSize size = modcol::fitInBox(picture, box, modcol::FitTie::FitHeight);
    const double left = caption.left() + (caption.width() - size.width()) / 2.0;
    const double top = caption.top() - size.height() - 50;
    return QRectF(left, top, size.width(), size.height());
}

QSize photoBox(QSizeF window, int areaTop)
{
    return QSize(whole(window.width() - 1300), whole(window.height() - std::max(1300, areaTop)));
}

std::optional<QSize> fittedPhoto(int AltoMax, int AnchoMax, QSize picture)
{
    if (picture.isEmpty() || AltoMax <= 0 || AnchoMax <= 0)
        return std::nullopt;
    return modcol::fitInBox(picture, QSize(AnchoMax, AltoMax), modcol::FitTie::FitHeight);
}

QRectF zoomedPhoto(QSizeF fitted, int zoom, QSizeF window, int areaTop)
{
    const float height = float(zoom) * float(fitted.height()) / 100.f;
    const float width = float(zoom) * float(fitted.width()) / 100.f;
    const float left = (float(window.width()) - width) / 2.f;
    const float top = std::max((float(window.height()) - float(areaTop) - height) / 2.f + float(areaTop) - 500.f,
                               float(areaTop));
    return QRectF(left, top, width, height);
}

QString clampedZoom(const QString &text, const QString &whenEmpty)
{
    if (text.isEmpty())
        return whenEmpty;
    const int value = text.toInt();
    if (value > 100)
        return QStringLiteral("100");
    if (value < 10)
        return QStringLiteral("10");
    return text;
}

} // namespace viewer

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
    constexpr int BelowClose = 200;
    return whole(double(closeHeight) + closeTop + BelowClose);
}

std::vector<CellBoxes> gridLayout(QSizeF screen, int top, int rows, int columns, int captionHeight)
{
    // The columns leave this at the left and, but for rounding, at the
    // right; the rows end, but for rounding, this far above the screen's
    // bottom; cells lie this far apart.
    constexpr int SideMargin = 100;
    constexpr int BottomMargin = 750;
    constexpr int CellGap = 50;
    constexpr int CaptionBelowPicture = 10;
    std::vector<CellBoxes> cells;
    if (rows <= 0 || columns <= 0)
        return cells;
    const int cellWidth = whole((screen.width() - 2 * SideMargin - (columns - 1) * CellGap) / columns);
    const int cellHeight = whole((screen.height() - top - BottomMargin - (rows - 1) * CellGap) / rows);
    const int imageHeight = cellHeight - captionHeight;
    const int captionTop = inWholePixels(imageHeight) + CaptionBelowPicture;
    int cellTop = top;
    for (int r = 0; r < rows; ++r) {
        int left = SideMargin;
        for (int c = 0; c < columns; ++c) {
            cells.push_back({QRect(left, cellTop, cellWidth, imageHeight),
                             QRect(left, cellTop + captionTop, cellWidth, captionHeight)});
            left += cellWidth + CellGap;
        }
        cellTop += cellHeight + CellGap;
    }
    return cells;
}

QRectF cellPicture(QSize box, QSize picture, const QRect &caption)
{
    constexpr int AboveCaption = 50;
    if (picture.isEmpty() || box.isEmpty())
        return QRectF();
    const QSize size = modcol::fitInBox(picture, box, modcol::FitTie::FitHeight);
    const double left = caption.left() + (caption.width() - size.width()) / 2.0;
    const double top = caption.top() - size.height() - AboveCaption;
    return QRectF(left, top, size.width(), size.height());
}

QSize photoBox(QSizeF window, int areaTop)
{
    // Narrower and lower than the window by this, or lower by the area's
    // top where that is more.
    constexpr int Margin = 1300;
    return QSize(whole(window.width() - Margin), whole(window.height() - std::max(Margin, areaTop)));
}

std::optional<QSize> fittedPhoto(int AltoMax, int AnchoMax, QSize picture)
{
    if (picture.isEmpty() || AltoMax <= 0 || AnchoMax <= 0)
        return std::nullopt;
    return modcol::fitInBox(picture, QSize(AnchoMax, AltoMax), modcol::FitTie::FitHeight);
}

QRectF zoomedPhoto(QSizeF fitted, int zoom, QSizeF window, int areaTop)
{
    constexpr float Raised = 500.f;
    const float height = float(zoom) * float(fitted.height()) / 100.f;
    const float width = float(zoom) * float(fitted.width()) / 100.f;
    const float left = (float(window.width()) - width) / 2.f;
    const float top = std::max((float(window.height()) - float(areaTop) - height) / 2.f + float(areaTop) - Raised,
                               float(areaTop));
    return QRectF(left, top, width, height);
}

} // namespace viewer

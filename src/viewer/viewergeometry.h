#pragma once

#include <optional>
#include <vector>

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

// The viewer's arithmetic, in twips. Whole numbers are 32-bit throughout: a
// large screen holds more twips than 16 bits can count. A measure becomes a
// whole number by rounding to the nearest, halves to the even neighbour.
namespace viewer {

// The upper edge of the photo area and of the grid: 200 twips below the
// close button.
int photoAreaTop(int closeTop, int closeHeight);

// One grid cell: the box its picture may fill, and its caption below it.
struct CellBoxes
{
    QRect image;
    QRect caption;
};

struct GridLayout
{
    int cellWidth = 0;            // W
    int cellHeight = 0;           // H: the picture's box and its caption
    std::vector<CellBoxes> cells; // row by row from the top left
};

// The grid of `rows` by `columns` cells on a screen of `screen` twips (the
// whole screen, not the window), starting at `top`: 100 twips at the left,
// 50 between cells, about 100 at the right and 750 above the screen's
// bottom. Each caption lies 10 twips below its picture's box, whose height
// counts in whole pixels, as an image box reports it.
GridLayout gridLayout(QSizeF screen, int top, int rows, int columns, int captionHeight);

// The picture of `picture`'s proportions in a cell's `box`: as wide as the
// box unless that makes it as high as the box or higher, then as high as
// the box; centred over `caption` with its lower edge 50 twips above it.
// Empty for a picture without a size.
QRectF cellPicture(QSize box, QSize picture, const QRect &caption);

// The box the single photo is fitted into, in a window of `window` twips:
// 1300 twips narrower, and lower by 1300 or by the photo area's top when
// that is more, so that a photo placed below that top never passes the
// window's bottom. Width AnchoMax, height AltoMax.
QSize photoBox(QSizeF window, int areaTop);

// The largest size of `picture`'s proportions that fits `AnchoMax` by
// `AltoMax`: the box's width unless the height then reaches the box's
// height, else the box's height. None for a picture without a size or a
// box without room.
std::optional<QSize> fittedPhoto(int AltoMax, int AnchoMax, QSize picture);

// The fitted photo reduced to `zoom` percent, centred across the window and
// in the band below `areaTop`, raised by 500 twips but never above that
// band. In single precision, as the window's measures are.
QRectF zoomedPhoto(QSizeF fitted, int zoom, QSizeF window, int areaTop);

// The zoom box's text made a percentage from 10 to 100: above 100 reads
// "100", below 10 "10", and an empty box `whenEmpty`.
QString clampedZoom(const QString &text, const QString &whenEmpty);

} // namespace viewer

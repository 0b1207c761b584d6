#pragma once

#include <optional>
#include <vector>

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// The viewer's arithmetic, in twips. Whole numbers are 32-bit throughout: a
// large screen holds more twips than 16 bits can count. A measure becomes a
// whole number by rounding to the nearest, halves to the even neighbour.
namespace viewer {

// The upper edge of the photo area and of the grid: a little below the
// close button.
int photoAreaTop(int closeTop, int closeHeight);

// One grid cell: the box its picture may fill, and its caption below it.
struct CellBoxes
{
    QRect image;
    QRect caption;
};

// The grid of `rows` by `columns` cells, row by row from the top left, on a
// screen of `screen` twips (the whole screen, not the window), starting at
// `top`, each cell `captionHeight` taller than its picture's box. Its
// caption lies just below that box, whose height counts in whole pixels,
// as an image box reports it.
std::vector<CellBoxes> gridLayout(QSizeF screen, int top, int rows, int columns, int captionHeight);

// The picture of `picture`'s proportions in a cell's `box`: as wide as the
// box unless that makes it as high as the box or higher, then as high as
// the box; centred over `caption`, a little above it. Empty for a picture
// without a size.
QRectF cellPicture(QSize box, QSize picture, const QRect &caption);

// The box the single photo is fitted into, in a window of `window` twips,
// so that a photo placed below `areaTop` never passes the window's bottom.
// Width AnchoMax, height AltoMax.
QSize photoBox(QSizeF window, int areaTop);

// The largest size of `picture`'s proportions that fits `AnchoMax` by
// `AltoMax`: the box's width unless the height then reaches the box's
// height, else the box's height. None for a picture without a size or a
// box without room.
std::optional<QSize> fittedPhoto(int AltoMax, int AnchoMax, QSize picture);

// The fitted photo reduced to `zoom` percent, centred across the window and
// in the band below `areaTop`, raised a little but never above that band.
// In single precision, as the window's measures are.
QRectF zoomedPhoto(QSizeF fitted, int zoom, QSizeF window, int areaTop);

} // namespace viewer

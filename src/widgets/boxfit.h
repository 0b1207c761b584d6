#pragma once

#include <QSize>

namespace modcol {

// What a fitted picture does when filling the box's width makes it exactly
// as tall as the box: the windows' fits differ in that alone.
enum class FitTie {
    KeepWidth, // it keeps filling the width
    FitHeight, // it is fitted to the height instead
};

// A picture of `picture` (any unit; only its proportions count) fitted into
// `box` (twips) with its proportions kept: filling the box's width, or,
// when that makes it taller than the box (or as tall, as `tie` says),
// filling its height. The factor is taken by way of a hundredfold box and
// each side is rounded to the nearest whole twip, ties to even, as every
// window always did. Empty for a picture or a box without a side.
QSize fitInBox(QSize picture, QSize box, FitTie tie);

} // namespace modcol

#pragma once

#include <optional>

#include <QSize>

namespace card {

// The size, in twips, of the card's picture box for a picture of
// `picture` (any unit; only its proportions count) in a box of `ancho` by
// `alto` twips: the full width with the picture's proportions, or, when
// that is taller than the box, the full height. Never larger than the box.
// Nothing for a picture without a width or a height.
std::optional<QSize> photoBox(QSize picture, int ancho, int alto);

} // namespace card

#pragma once

#include "demofolder/catalogueplan.h"

#include <QImage>

namespace demofolder {

// A house drawn under a sky, with the look's two lines written in a band at
// the bottom, at the look's size. The same look always gives the same pixels.
QImage paintPhoto(const PhotoLook &look);

} // namespace demofolder

#pragma once

#include <cmath>

namespace catalogue {

// To the nearest whole number, halves to the even neighbour: the one rounding
// used wherever a measure, a price or a position becomes a whole number.
// (qRound rounds halves away from zero, which is not what the program does.)
// nearbyint follows the current rounding mode, which is to-nearest-even
// unless someone changed it; nobody in this program does.
inline double nearestEven(double value)
{
    return std::nearbyint(value);
}

} // namespace catalogue

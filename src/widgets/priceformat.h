#pragma once

#include <QString>

namespace modcol {

// A price as the windows show it, pattern "#,##0 €": whole euros grouped by
// thousands with the regional separator, halves to the even neighbour.
QString formatEuros(double value);

} // namespace modcol

#include "widgets/priceformat.h"

#include "catalogue/regional.h"

namespace modcol {

QString formatEuros(double value)
{
    return catalogue::Format(value, QStringLiteral("#,##0 €"));
}

} // namespace modcol

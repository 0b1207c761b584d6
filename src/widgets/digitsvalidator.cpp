#include "widgets/digitsvalidator.h"

#include <algorithm>

namespace modcol {

QValidator::State DigitsValidator::validate(QString &input, int &pos) const
{
    const auto notDigit = [](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); };
    // The cursor keeps its place among the digits before it.
    pos -= int(std::count_if(input.cbegin(), input.cbegin() + pos, notDigit));
    input.removeIf(notDigit);
    return Acceptable;
}

} // namespace modcol

#include "results/digitsvalidator.h"

namespace results {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QValidator::State DigitsValidator::validate(QString &input, int &pos) const
{
    QString digits;
    int cursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!isDigit(input[i]))
            continue;
        digits += input[i];
        if (i < pos)
            ++cursor;
    }
    input = digits;
    pos = cursor;
    return Acceptable;
}

} // namespace results

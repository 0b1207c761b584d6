#pragma once

#include <QString>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// A number format pattern as the statements and windows write it:
// "#,##0 €", "#,##0 eur", "0000", "#,##0.00". Digit placeholders '#'
// (optional) and '0' (always shown), ',' among them for grouping, '.' for
// the decimals, literal text before and after (plain, "quoted" or \escaped).
// Separators and the minus sign come from the regional settings; values are
// rounded half to even.
class NumberPattern
{
public:
    static NumberPattern parse(const QString &pattern);

    QString format(double value) const;

private:
    QString m_prefix;
    QString m_suffix;
    bool m_grouping = false;
    bool m_percent = false;
    int m_minIntegerDigits = 0;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
};

} // namespace catalogue

#pragma once

#include <QString>
#include <QVariant>

namespace catalogue {

// Makes the system's regional settings the ones every format follows. A
// system that reports none (the neutral "C" locale of a bare shell) gets
// Spain's, the settings of the program's Spanish-speaking users.
void useSystemRegionalSettings();

// The ordinary conversion of a value to text under the regional settings:
// whole numbers as digits, others with the regional decimal separator and
// up to 15 significant digits, dates as the regional short date with the
// whole year (and the time when it is not midnight), texts as stored, Null
// as the empty text.
QString numberAsText(const QVariant &value);

// A number written by a format pattern under the regional settings, as the
// statements' Format() does: "#,##0 €" gives "1.234.568 €" for 1234567.6
// under Spanish settings. Digit placeholders '#' (optional) and '0' (always
// shown), ',' among them for grouping, '.' for the decimals, literal text
// around them; halves round to the even neighbour.
QString Format(double value, const QString &pattern);

} // namespace catalogue

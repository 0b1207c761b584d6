#pragma once

#include <QString>
#include <QVariant>

namespace catalogue {

// Makes the system's regional settings the ones every format follows. A
// system that reports none (the neutral "C" locale of a bare shell) gets
// Spain's, the settings of the program's Spanish-speaking users.
void useSystemRegionalSettings();

// To the nearest whole number, halves to the even neighbour: the one rounding
// used wherever a measure, a price or a position becomes a whole number.
// (qRound rounds halves away from zero, which is not what the program does.)
double nearestEven(double value);

// Digits with the regional group separator after every third one from the
// right: "1234567" -> "1.234.567" under Spanish settings.
QString insertGroupSeparators(const QString &digits);

// The value rounded half-even and written with the regional group separator
// after every third digit ("#,##0"): 1234 -> "1.234" under Spanish settings.
// Written by hand because Qt's own grouping leaves four-digit numbers bare.
QString groupedWhole(double value);

// A price as the windows show it, pattern "#,##0 €".
QString formatEuros(double value);

// The ordinary conversion of a value to text under the regional settings:
// whole numbers as digits, others with the regional decimal separator and
// up to 15 significant digits, dates as the regional short date with the
// whole year (and the time when it is not midnight), texts as stored, Null
// as the empty text.
QString numberAsText(const QVariant &value);

} // namespace catalogue

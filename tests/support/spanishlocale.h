#pragma once

#include <QLocale>

namespace testsupport {

// Makes Spain's regional settings the default for the rest of the test run,
// as the program's users have them: 1.234,5 and group separators everywhere.
inline void pinSpanishLocale()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

} // namespace testsupport

#pragma once

// Date/Time values: days since 1899-12-30 00:00, the fraction being the time of day.

#include <string_view>

namespace mdbwrite {

// Parses "YYYY-MM-DD", optionally followed by " HH:MM", ":SS" and ".fraction" ('T' may
// replace the blank). Throws ValueError for anything else or for an impossible date.
double jetDateFromText(std::string_view text);

// The current time (UTC) as a Date/Time value.
double jetDateNow();

} // namespace mdbwrite

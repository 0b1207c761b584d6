#pragma once

// Currency values: a signed 64-bit count of ten-thousandths.

#include <cstdint>
#include <string_view>

namespace mdbwrite {

// Parses a decimal number ("-12.5", "3", "1e-4"), rounded half away from zero to four
// decimals. Throws ValueError when it is not a number or does not fit.
int64_t currencyFromDecimal(std::string_view text);

// A double is taken at its shortest decimal form, so 0.1 stays 0.1000.
int64_t currencyFromDouble(double value);

int64_t currencyFromInteger(int64_t value);

} // namespace mdbwrite

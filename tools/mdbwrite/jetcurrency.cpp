#include "jetcurrency.h"

#include "valueerror.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mdbwrite {

namespace {

constexpr int Decimals = 4;
constexpr uint64_t MaxMagnitude = uint64_t{1} << 63; // |INT64_MIN|

[[noreturn]] void notANumber(std::string_view text)
{
    throw ValueError("\"" + std::string(text) + "\" is not a currency amount");
}

[[noreturn]] void outOfRange(std::string_view text)
{
    throw ValueError("currency amount " + std::string(text)
                     + " is out of range (±922337203685477.5807)");
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int64_t currencyFromDecimal(std::string_view text)
{
    size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;

    // The number is digits × 10^exponent.
    std::string digits;
    long exponent = 0;
    bool sawDigit = false;
    bool inFraction = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (isDigit(c)) {
            sawDigit = true;
            if (!digits.empty() || c != '0')
                digits.push_back(c);
            if (inFraction)
                --exponent;
        } else if (c == '.' && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
    }
    if (!sawDigit)
        notANumber(text);
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        const bool negativeExponent = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            ++at;
        if (at == text.size())
            notANumber(text);
        long value = 0;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            if (value < 100000)
                value = value * 10 + (text[at] - '0');
        }
        exponent += negativeExponent ? -value : value;
    }
    if (at != text.size())
        notANumber(text);
    if (digits.empty())
        return 0;

    // Scale to ten-thousandths: drop the digits below them, rounding on the first dropped.
    const long scale = exponent + Decimals;
    long keep = static_cast<long>(digits.size()) + std::min(scale, 0L);
    bool roundUp = false;
    if (keep < 0) {
        keep = 0;
    } else if (keep < static_cast<long>(digits.size())) {
        roundUp = digits[static_cast<size_t>(keep)] >= '5';
    }
    const long trailingZeros = std::max(scale, 0L);
    if (keep + trailingZeros > 19)
        outOfRange(text);
    uint64_t magnitude = 0;
    for (long i = 0; i < keep; ++i)
        magnitude = magnitude * 10 + static_cast<uint64_t>(digits[static_cast<size_t>(i)] - '0');
    for (long i = 0; i < trailingZeros; ++i) {
        if (magnitude > std::numeric_limits<uint64_t>::max() / 10)
            outOfRange(text);
        magnitude *= 10;
    }
    if (roundUp)
        ++magnitude;
    if (magnitude > MaxMagnitude - (negative ? 0 : 1))
        outOfRange(text);
    return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

int64_t currencyFromDouble(double value)
{
    if (!std::isfinite(value))
        throw ValueError("currency amount is not a finite number");
    // Shortest form that reads back as the same double, independent of the C locale.
    char text[40];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return currencyFromDecimal(std::string_view(text, static_cast<size_t>(end.ptr - text)));
}

int64_t currencyFromInteger(int64_t value)
{
    constexpr int64_t Scale = 10000;
    if (value > std::numeric_limits<int64_t>::max() / Scale
        || value < std::numeric_limits<int64_t>::min() / Scale)
        outOfRange(std::to_string(value));
    return value * Scale;
}

} // namespace mdbwrite

#include "demofolder/demorandom.h"

namespace demofolder {

DemoRandom::DemoRandom(std::uint32_t seed)
    : m_engine(seed)
{
}

int DemoRandom::below(int bound)
{
    // Multiply-shift keeps the mapping exact and the same on every platform;
    // its bias is far below anything a demo could show.
    const std::uint64_t draw = m_engine();
    return static_cast<int>((draw * static_cast<std::uint64_t>(bound)) >> 32);
}

int DemoRandom::between(int low, int high)
{
    return low + below(high - low + 1);
}

bool DemoRandom::chance(int numerator, int denominator)
{
    return below(denominator) < numerator;
}

} // namespace demofolder

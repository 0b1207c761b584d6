#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace demofolder {

// The one source of chance of the generator. std::mt19937's sequence is fixed
// by the C++ standard, and the mapping to ranges is done here rather than by
// the library's distributions (whose results differ between library
// vendors), so the same seed gives the same folder everywhere.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint32_t seed);

    // A whole number in [0, bound); bound must be positive.
    int below(int bound);
    // A whole number in [low, high].
    int between(int low, int high);
    // True with the chance numerator / denominator.
    bool chance(int numerator, int denominator);

    template<typename T>
    const T &pick(const std::vector<T> &items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    template<typename T>
    void shuffle(std::vector<T> &items)
    {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
            std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(below(i + 1))]);
    }

private:
    std::mt19937 m_engine;
};

} // namespace demofolder

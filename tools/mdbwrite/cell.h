#pragma once

#include <cstdint>
#include <vector>

namespace mdbwrite {

// One value of a row, ready to store: the little-endian bytes of a fixed column or the
// stored text of a variable one. For Booleans `present` is the value itself.
struct Cell {
    bool present = false;
    std::vector<uint8_t> bytes;

    void setNull()
    {
        present = false;
        bytes.clear();
    }
};

} // namespace mdbwrite

#pragma once

// Sizes and limits of Jet 4 pages shared by every page builder.

#include <array>
#include <cstddef>
#include <cstdint>

namespace mdbwrite {

constexpr size_t PageSize = 4096;
using Page = std::array<uint8_t, PageSize>;

// Jet 4 files end at 2 GiB.
constexpr uint32_t MaxPages = 0x80000000u / PageSize;

// Row numbers in row pointers are one byte; 255 is also what other writers use.
constexpr size_t MaxRowsPerPage = 255;
// The largest row Access writes; a data page could hold slightly more.
constexpr size_t MaxRowBytes = 4060;

// A row pointer names a row of a page: row number in the low byte, page above it.
inline uint32_t rowPointer(uint32_t page, uint8_t row)
{
    return page << 8 | row;
}

} // namespace mdbwrite

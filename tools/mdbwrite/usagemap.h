#pragma once

// Usage maps: the bitmaps through which readers find the pages of a table. A map row lists
// up to 512 pages inline, or points to bitmap pages that cover the whole file.

#include "pagefile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace mdbwrite {

constexpr size_t UsageMapRowBytes = 69;
using UsageMapRow = std::array<uint8_t, UsageMapRowBytes>;

// A map of no pages (inline, starting at page 0).
UsageMapRow emptyUsageMap();

// A map listing `pages` (ascending). Pages that do not fit an inline map go to bitmap
// pages allocated and written at the end of the file.
UsageMapRow usageMapOf(const std::vector<uint32_t> &pages, PageFile &file);

// The file's map of free pages (a set bit means free): every page written so far is in use,
// including the bitmap pages this map itself needs.
UsageMapRow freePagesMap(PageFile &file);

} // namespace mdbwrite

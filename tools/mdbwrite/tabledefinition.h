#pragma once

// The table definition (TDEF): row count, usage maps, column descriptors and names, spread
// over as many pages as it needs.

#include "pageformat.h"
#include "tablelayout.h"

#include <cstdint>
#include <vector>

namespace mdbwrite {

struct LongValueMaps {
    uint32_t owned = 0;  // row pointers to the column's long-value page maps
    uint32_t free = 0;
};

struct TableDefinition {
    const TableLayout *layout = nullptr;
    bool system = false;
    uint32_t rowCount = 0;
    uint32_t ownedPagesMap = 0;  // row pointers to the table's usage maps
    uint32_t freePagesMap = 0;
    std::vector<LongValueMaps> longValueMaps; // one per long-value column, in column order
};

std::vector<uint8_t> encodeTableDefinition(const TableDefinition &definition);

// Pages a definition of this many bytes takes.
size_t tableDefinitionPageCount(size_t definitionBytes);

// The pages holding `definition`, chained through `numbers` (one per page).
std::vector<Page> tableDefinitionPages(const std::vector<uint8_t> &definition,
                                       const std::vector<uint32_t> &numbers);

} // namespace mdbwrite

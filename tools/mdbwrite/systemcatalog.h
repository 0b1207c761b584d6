#pragma once

// The system table MSysObjects: the catalog through which readers find every table.

#include "cell.h"
#include "tablelayout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mdbwrite {

// The catalog's definition must sit on page 2.
constexpr uint32_t CatalogDefinitionPage = 2;

struct UserTableEntry {
    std::string name;
    uint32_t definitionPage = 0;
};

TableLayout systemCatalogLayout();

// Rows of the catalog: the standard containers, the catalog itself, then the user tables.
std::vector<std::vector<Cell>> systemCatalogRows(const std::vector<UserTableEntry> &tables,
                                                 double creationDate);

} // namespace mdbwrite

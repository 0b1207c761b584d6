#pragma once

// The tables of a SQLite database and the Jet column each declared type maps to.

#include "jetcolumn.h"

#include <sqlite3.h>

#include <string>
#include <vector>

namespace mdbwrite {

struct SourceTable {
    std::string name;
    std::vector<JetColumn> columns; // in declared order
};

// The column a declared SQLite type maps to; throws WriteError for a type without one.
JetColumn columnForDeclaredType(const std::string &table, const std::string &name,
                                const std::string &declaredType);

// Every table in creation order (SQLite's own tables left out). Throws WriteError for
// names or types the file cannot hold.
std::vector<SourceTable> readSourceTables(sqlite3 *db);

} // namespace mdbwrite

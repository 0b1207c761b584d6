#pragma once

#include "cell.h"
#include "jetcolumn.h"

#include <sqlite3.h>

namespace mdbwrite {

// Converts column `index` of the current result row of `statement` to what `column` stores.
// Throws ValueError when the value does not fit the column's type.
void convertCell(sqlite3_stmt *statement, int index, const JetColumn &column, Cell &cell);

} // namespace mdbwrite

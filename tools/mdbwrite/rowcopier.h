#pragma once

#include "sourceschema.h"
#include "tablewriter.h"

#include <sqlite3.h>

namespace mdbwrite {

// Copies every row of a SQLite table to `writer` in the table's stored order, which is
// insertion order unless the script chose rowids out of order. A value that cannot be
// stored throws WriteError naming the table, the row (1-based) and the column.
void copyRows(sqlite3 *db, const SourceTable &table, TableWriter &writer);

} // namespace mdbwrite

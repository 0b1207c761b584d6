#pragma once

#include <memory>

#include <sqlite3.h>

#include "catalogue/private/engineonly.h"

namespace catalogue {

class Recordset;

// Runs a prepared statement to its end and keeps its rows, as SQLite gives
// them, in a record set. Each column's declared type tells how its values
// come back when read: BOOLEAN as bool, the numeric kinds of Jet as double,
// DATETIME as QDateTime, texts as QString. Throws CatalogueError when the
// statement fails while running.
std::unique_ptr<Recordset> readRecordset(sqlite3_stmt *statement);

} // namespace catalogue

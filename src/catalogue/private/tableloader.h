#pragma once

#include <vector>

#include <QStringList>

#include "catalogue/private/engineonly.h"

namespace catalogue {

class JetTable;
class SqliteConnection;

// Copies one Jet table into the in-memory database: a table of the same name
// and columns, in the file's row order, with declared types that keep the
// values' nature (whole numbers, Boolean 1/0, exact Currency, dates, texts
// with the collation ES). Reads the table from its first row, so a table
// whose damage failed one load fails the next the same way.
// `indexesFirst` are made before the rows and grow with them: slower than
// an index made afterwards, which sorts a copy of the whole table in memory
// first, but a million rows never take twice their memory.
void loadTable(JetTable &table, SqliteConnection &connection, const std::vector<QStringList> &indexesFirst);

// An index of a loaded table on its `columns`, stored spellings.
void createIndex(SqliteConnection &connection, const QString &table, const QStringList &columns);

} // namespace catalogue

#pragma once

#include <memory>

#include <sqlite3.h>

#include <vector>

#include "catalogue/private/engineonly.h"
#include "catalogue/private/preparedstatement.h"

namespace catalogue {

class RecordRows;
class Recordset;

// The record sets of one database whose statements still have rows to read.
// SQLite reads while other statements run, but a table loaded, an index made
// or a database attached meanwhile would change what they read: before any
// of those, the database reads them to their end.
class PendingReads
{
public:
    PendingReads() = default;
    PendingReads(const PendingReads &) = delete;
    PendingReads &operator=(const PendingReads &) = delete;

    void add(RecordRows *rows) { m_rows.push_back(rows); }
    void remove(RecordRows *rows);
    // Throws CatalogueError when a statement fails while running.
    void readAll();

private:
    std::vector<RecordRows *> m_rows;
};

// Keeps the rows of a prepared statement in a record set, each read from
// the statement when a move first reaches it, as SQLite gives them; the
// first is read at once. Each column's declared type tells how its values
// come back when read: BOOLEAN as bool, the numeric kinds of Jet as double,
// DATETIME as QDateTime, texts as QString. Throws CatalogueError when the
// statement fails while running, here or at a later move.
std::unique_ptr<Recordset> readRecordset(PreparedStatement statement, PendingReads &pending);

} // namespace catalogue

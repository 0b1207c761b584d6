#pragma once

// Writes Jet 4 (.mdb) database files from SQLite tables.

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace mdbwrite {

class WriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string password;          // empty: no database password
    double creationDate = 0;       // days since 1899-12-30; 0 = now. Fixed dates give byte-identical files.
};

// Runs the script in an in-memory SQLite database and writes all its tables.
// Declared types choose the Jet type: INTEGER/INT/LONG, SMALLINT, TINYINT/BYTE,
// BOOLEAN/BIT/YESNO, REAL/DOUBLE/FLOAT, CURRENCY/MONEY, DATETIME/DATE (values as text
// "YYYY-MM-DD[ HH:MM[:SS]]"), TEXT(n)/VARCHAR(n)/TEXT (255), MEMO/LONGTEXT. SQLite gives MEMO
// numeric affinity, so it turns a memo such as '08001' into a number before it is written;
// LONGTEXT keeps such texts as written.
void writeScript(const std::string &sqlScript, const std::string &outPath, const Options &options = {});

// Writes every table of an open SQLite database (tables in creation order). Rows keep each
// table's stored order: insertion order, unless INTEGER PRIMARY KEY values were inserted out
// of order.
void writeDatabase(sqlite3 *db, const std::string &outPath, const Options &options = {});

} // namespace mdbwrite

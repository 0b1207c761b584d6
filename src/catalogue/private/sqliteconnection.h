#pragma once

#include <QString>
#include <sqlite3.h>

#include "catalogue/private/engineonly.h"
#include "catalogue/private/preparedstatement.h"

namespace catalogue {

// The in-memory SQLite database that holds the loaded catalogue tables.
// Text is kept as UTF-16, the form both Jet 4 and Qt use, and every
// connection knows the collation ES and the function Format().
class SqliteConnection
{
public:
    SqliteConnection();
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;

    sqlite3 *handle() const { return m_db; }

    // Both throw CatalogueError with SQLite's explanation.
    void exec(const QString &sql);
    PreparedStatement prepare(const QString &sql);
    // Null instead of throwing when the statement does not compile.
    PreparedStatement tryPrepare(const QString &sql);

    // Throws CatalogueError with SQLite's explanation of the last failure.
    [[noreturn]] void fail() const;

private:
    sqlite3 *m_db = nullptr;
};

} // namespace catalogue

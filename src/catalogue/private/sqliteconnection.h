#pragma once

#include <QString>
#include <sqlite3.h>

#include "catalogue/private/engineonly.h"
#include "catalogue/private/preparedstatement.h"

namespace catalogue {

// An in-memory SQLite database that holds loaded catalogue tables. Text is
// kept as UTF-8, the most compact form for the catalogue's mostly Latin
// texts, and every connection knows the collation ES and the function
// Format().
class SqliteConnection
{
public:
    // A private database, or the process-wide in-memory database `name`
    // ("/" and a name), which other connections of the process can attach
    // for as long as one connection to it is open.
    explicit SqliteConnection(const QString &name = QString());
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

// The URI that opens or attaches the process-wide in-memory database `name`.
QByteArray sharedMemoryUri(const QString &name);

} // namespace catalogue

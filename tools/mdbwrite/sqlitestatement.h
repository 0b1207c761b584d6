#pragma once

// A prepared SQLite statement that finalizes itself and reports failures as WriteError.

#include <sqlite3.h>

#include <string>

namespace mdbwrite {

class SqliteStatement
{
public:
    SqliteStatement(sqlite3 *db, const std::string &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    void bind(int index, const std::string &text);
    // True while there is a row.
    bool step();
    std::string text(int column) const;
    sqlite3_stmt *handle() const { return m_statement; }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace mdbwrite

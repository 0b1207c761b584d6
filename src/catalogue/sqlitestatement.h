#pragma once

#include <sqlite3.h>

namespace catalogue {

// Owns a prepared SQLite statement.
class SqliteStatement
{
public:
    SqliteStatement() = default;
    explicit SqliteStatement(sqlite3_stmt *statement) : m_statement(statement) {}
    ~SqliteStatement() { sqlite3_finalize(m_statement); }
    SqliteStatement(SqliteStatement &&other) noexcept : m_statement(other.m_statement) { other.m_statement = nullptr; }
    SqliteStatement &operator=(SqliteStatement &&other) noexcept
    {
        if (this != &other) {
            sqlite3_finalize(m_statement);
            m_statement = other.m_statement;
            other.m_statement = nullptr;
        }
        return *this;
    }
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    sqlite3_stmt *get() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace catalogue

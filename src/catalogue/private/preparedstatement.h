#pragma once

#include <sqlite3.h>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// Owns a prepared SQLite statement.
class PreparedStatement
{
public:
    PreparedStatement() = default;
    explicit PreparedStatement(sqlite3_stmt *statement) : m_statement(statement) {}
    ~PreparedStatement() { sqlite3_finalize(m_statement); }
    PreparedStatement(PreparedStatement &&other) noexcept : m_statement(other.m_statement) { other.m_statement = nullptr; }
    PreparedStatement &operator=(PreparedStatement &&other) noexcept
    {
        if (this != &other) {
            sqlite3_finalize(m_statement);
            m_statement = other.m_statement;
            other.m_statement = nullptr;
        }
        return *this;
    }
    PreparedStatement(const PreparedStatement &) = delete;
    PreparedStatement &operator=(const PreparedStatement &) = delete;

    sqlite3_stmt *get() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace catalogue

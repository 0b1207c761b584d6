#include "sqlitestatement.h"

#include "mdbwriter.h"

namespace mdbwrite {

SqliteStatement::SqliteStatement(sqlite3 *db, const std::string &sql)
    : m_db(db)
{
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_statement, nullptr) != SQLITE_OK)
        throw WriteError(std::string("SQLite: ") + sqlite3_errmsg(db));
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

void SqliteStatement::bind(int index, const std::string &text)
{
    sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

bool SqliteStatement::step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    throw WriteError(std::string("SQLite: ") + sqlite3_errmsg(m_db));
}

std::string SqliteStatement::text(int column) const
{
    const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return value ? std::string(value, static_cast<size_t>(sqlite3_column_bytes(m_statement, column)))
                 : std::string();
}

} // namespace mdbwrite

#include "rowcopier.h"

#include "cellconverter.h"
#include "mdbwriter.h"
#include "sqlitestatement.h"
#include "valueerror.h"

namespace mdbwrite {

namespace {

std::string quoted(const std::string &identifier)
{
    std::string out = "\"";
    for (char c : identifier) {
        out.push_back(c);
        if (c == '"')
            out.push_back('"');
    }
    return out + "\"";
}

// NOT INDEXED keeps SQLite from reading the rows through a covering index in its order.
std::string selectAll(const SourceTable &table)
{
    std::string sql = "SELECT ";
    for (size_t c = 0; c < table.columns.size(); ++c)
        sql += (c ? ", " : "") + quoted(table.columns[c].name);
    return sql + " FROM " + quoted(table.name) + " NOT INDEXED";
}

} // namespace

void copyRows(sqlite3 *db, const SourceTable &table, TableWriter &writer)
{
    SqliteStatement select(db, selectAll(table));
    std::vector<Cell> cells(table.columns.size());
    for (uint64_t row = 1; select.step(); ++row) {
        const auto where = [&] { return "table '" + table.name + "', row " + std::to_string(row); };
        size_t c = 0;
        try {
            for (; c < cells.size(); ++c)
                convertCell(select.handle(), static_cast<int>(c), table.columns[c], cells[c]);
        } catch (const ValueError &error) {
            throw WriteError(where() + ", column '" + table.columns[c].name + "': " + error.what());
        }
        try {
            writer.addRow(cells);
        } catch (const ValueError &error) {
            throw WriteError(where() + ": " + error.what());
        }
    }
}

} // namespace mdbwrite

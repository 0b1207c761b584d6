#include "sourceschema.h"

#include "mdbwriter.h"
#include "sqlitestatement.h"
#include "textstorage.h"
#include "valueerror.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace mdbwrite {

namespace {

// Access's limits on names and on columns per table.
constexpr size_t MaxNameChars = 64;
constexpr size_t MaxColumns = 255;
constexpr int MaxTextChars = 255;

const std::map<std::string, JetType> &typeNames()
{
    static const std::map<std::string, JetType> names = {
        {"INTEGER", JetType::Long},     {"INT", JetType::Long},           {"LONG", JetType::Long},
        {"SMALLINT", JetType::Integer}, {"TINYINT", JetType::Byte},       {"BYTE", JetType::Byte},
        {"BOOLEAN", JetType::Boolean},  {"BIT", JetType::Boolean},        {"YESNO", JetType::Boolean},
        {"REAL", JetType::Double},      {"DOUBLE", JetType::Double},      {"FLOAT", JetType::Double},
        {"CURRENCY", JetType::Currency}, {"MONEY", JetType::Currency},
        {"DATETIME", JetType::DateTime}, {"DATE", JetType::DateTime},
        {"TEXT", JetType::Text},        {"VARCHAR", JetType::Text},
        {"MEMO", JetType::Memo},        {"LONGTEXT", JetType::Memo},
    };
    return names;
}

std::string trimmed(const std::string &text)
{
    const auto notSpace = [](unsigned char c) { return !std::isspace(c); };
    const auto begin = std::find_if(text.begin(), text.end(), notSpace);
    const auto end = std::find_if(text.rbegin(), text.rend(), notSpace).base();
    return begin < end ? std::string(begin, end) : std::string();
}

std::string upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Text length from "(n)"; throws when there is something else.
int textLength(const std::string &arguments, const std::string &where)
{
    const std::string inner = trimmed(arguments.substr(1, arguments.size() - 2));
    const bool digits = !inner.empty() && inner.size() <= 4
        && std::all_of(inner.begin(), inner.end(), [](unsigned char c) { return std::isdigit(c); });
    const int length = digits ? std::stoi(inner) : 0;
    if (arguments.front() != '(' || arguments.back() != ')' || length < 1 || length > MaxTextChars)
        throw WriteError(where + ": text length must be 1 to 255 characters");
    return length;
}

void checkName(const std::string &name, const std::string &what)
{
    std::u16string text;
    try {
        text = storableText(name);
    } catch (const ValueError &) {
        throw WriteError(what + " name is not valid UTF-8");
    }
    if (text.empty() || text.size() > MaxNameChars)
        throw WriteError(what + " '" + name + "' must have 1 to 64 characters");
}

} // namespace

JetColumn columnForDeclaredType(const std::string &table, const std::string &name,
                                const std::string &declaredType)
{
    const std::string where = "table '" + table + "', column '" + name + "'";
    const std::string type = upper(trimmed(declaredType));
    const size_t open = type.find('(');
    const std::string base = trimmed(type.substr(0, open));
    const auto found = typeNames().find(base);
    if (found == typeNames().end())
        throw WriteError(where + ": declared type '" + declaredType
                         + "' has no Jet equivalent");
    if (found->second != JetType::Text) {
        if (open != std::string::npos)
            throw WriteError(where + ": declared type '" + declaredType + "' takes no length");
        return JetColumn::user(name, found->second);
    }
    const int length = open == std::string::npos ? MaxTextChars : textLength(type.substr(open), where);
    return JetColumn::user(name, JetType::Text, static_cast<uint16_t>(length));
}

std::vector<SourceTable> readSourceTables(sqlite3 *db)
{
    std::vector<SourceTable> tables;
    SqliteStatement list(db, "SELECT name FROM sqlite_schema WHERE type = 'table' "
                             "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid");
    while (list.step()) {
        SourceTable table;
        table.name = list.text(0);
        checkName(table.name, "table");
        if (upper(table.name) == "MSYSOBJECTS")
            throw WriteError("table name 'MSysObjects' is taken by the system catalog");
        tables.push_back(std::move(table));
    }

    for (SourceTable &table : tables) {
        SqliteStatement info(db, "SELECT name, type FROM pragma_table_info(?1) ORDER BY cid");
        info.bind(1, table.name);
        while (info.step()) {
            const std::string name = info.text(0);
            checkName(name, "table '" + table.name + "', column");
            table.columns.push_back(columnForDeclaredType(table.name, name, info.text(1)));
        }
        if (table.columns.size() > MaxColumns)
            throw WriteError("table '" + table.name + "' has more than 255 columns");
    }
    return tables;
}

} // namespace mdbwrite

#include "mdbwriter.h"

#include "databasewriter.h"
#include "jetdate.h"
#include "textstorage.h"
#include "valueerror.h"

#include <cmath>
#include <memory>

namespace mdbwrite {

namespace {

constexpr size_t MaxPasswordUnits = 20;
// Date/Time values end at 9999-12-31.
constexpr double LastJetDay = 2958466;

std::u16string checkedPassword(const std::string &password)
{
    std::u16string text;
    try {
        text = storableText(password);
    } catch (const ValueError &error) {
        throw WriteError(std::string("password: ") + error.what());
    }
    if (text.size() > MaxPasswordUnits)
        throw WriteError("the password has more than 20 characters");
    return text;
}

double checkedCreationDate(double date)
{
    if (date == 0)
        return jetDateNow();
    if (!(date >= 1 && date < LastJetDay))
        throw WriteError("the creation date must lie between 1899-12-31 and 9999-12-31");
    return date;
}

} // namespace

void writeDatabase(sqlite3 *db, const std::string &outPath, const Options &options)
{
    DatabaseWriter writer(db, checkedPassword(options.password), checkedCreationDate(options.creationDate));
    writer.write(outPath);
}

void writeScript(const std::string &sqlScript, const std::string &outPath, const Options &options)
{
    sqlite3 *raw = nullptr;
    const int opened = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, &sqlite3_close);
    if (opened != SQLITE_OK)
        throw WriteError("cannot open an in-memory SQLite database");
    char *message = nullptr;
    if (sqlite3_exec(db.get(), sqlScript.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(db.get());
        sqlite3_free(message);
        throw WriteError("SQL script: " + text);
    }
    writeDatabase(db.get(), outPath, options);
}

} // namespace mdbwrite

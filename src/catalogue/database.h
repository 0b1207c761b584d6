#pragma once

#include <memory>
#include <vector>

#include <QSet>
#include <QString>

#include "catalogue/catalogueschema.h"

namespace catalogue {

class JetFile;
class JetTable;
class Recordset;
class SqliteConnection;

// An open catalogue. Its tables are copied from the Jet file into an
// in-memory SQLite database the first time a statement names them, so that
// the first list of the results window does not wait for the photos table.
class Database
{
public:
    // `connect` is ";PWD=..." or empty. The password must equal the file's
    // (case counts); a file without a password opens with any. The file is
    // only ever read, whatever `exclusive` and `readOnly` say. Throws
    // CatalogueError for a missing, foreign or damaged file or a wrong password.
    static std::unique_ptr<Database> OpenDatabase(const QString &path, bool exclusive, bool readOnly,
                                                  const QString &connect);
    ~Database();

    // Throws CatalogueError for a statement that fails.
    std::unique_ptr<Recordset> OpenRecordset(const QString &sql);

    // The number of user tables.
    int TableDefCount() const;

private:
    explicit Database(std::unique_ptr<JetFile> file);
    void load(const QString &table);

    std::unique_ptr<JetFile> m_file;
    std::unique_ptr<SqliteConnection> m_connection;
    std::vector<std::unique_ptr<JetTable>> m_tables;
    CatalogueSchema m_schema;
    QSet<QString> m_loaded;
};

// The password of a connect string such as ";PWD=secreto"; empty when it names none.
QString connectPassword(const QString &connect);

} // namespace catalogue

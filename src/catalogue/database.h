#pragma once

#include <memory>
#include <vector>

#include <QSet>
#include <QString>
#include <QStringList>

namespace catalogue {

class JetFile;
class JetTable;
class PendingReads;
class Recordset;
class SqliteConnection;
class StoredNames;
class TablePreload;

// An open catalogue. Its tables are copied from the Jet file into an
// in-memory SQLite database the first time a statement names them, so that
// the first list of the results window does not wait for the photos table.
// The file is only ever read.
class Database
{
public:
    // `connect` is ";PWD=..." or empty. The password must equal the file's
    // (case counts); a file without a password opens with any. Throws
    // CatalogueError for a missing, foreign or damaged file or a wrong password.
    static std::unique_ptr<Database> OpenDatabase(const QString &path, const QString &connect);
    ~Database();

    // Throws CatalogueError for a statement that fails, here or at a move
    // of the record set that reaches the failing row. The set may outlive
    // the database.
    std::unique_ptr<Recordset> OpenRecordset(const QString &sql);

    // The number of user tables.
    int TableDefCount() const;

    // The load of `table` to run ahead of its first statement, on another
    // thread if need be, with the indexes declared for it; none when the
    // table is loaded already or the catalogue has no such table.
    std::unique_ptr<TablePreload> preload(const QString &table) const;
    // Takes in a preload that has run: its table answers statements from
    // now on without a load of its own. A table that a statement loaded
    // meanwhile keeps that copy.
    void adopt(TablePreload &preload);

    // An index that the caller's statements need on `table`'s `columns`
    // (names as any statement may spell them). It is made when the table is
    // loaded, or at once when it is loaded already; a table that lacks one of
    // the columns gets none.
    void declareIndex(const QString &table, const QStringList &columns);

private:
    explicit Database(std::unique_ptr<JetFile> file);
    void load(const QString &table);
    // The declared indexes of `table` that it can have, in stored spellings.
    std::vector<QStringList> indexesOf(const QString &table) const;

    struct IndexDeclaration
    {
        QString table; // stored spelling
        QStringList columns;
    };

    std::unique_ptr<JetFile> m_file;
    std::unique_ptr<SqliteConnection> m_connection;
    // The record sets whose statements are still being read; the destructor
    // reads them out before the connection closes.
    std::unique_ptr<PendingReads> m_pendingReads;
    std::vector<std::unique_ptr<JetTable>> m_tables;
    std::unique_ptr<StoredNames> m_names;
    std::vector<IndexDeclaration> m_indexes;
    QSet<QString> m_loaded;
    int m_preloadsAdopted = 0;
};

// libmdb gives names (and Jet 3 texts, from Windows-1252 unless
// MDB_JET3_CHARSET says otherwise) in the encoding the MDBICONV variable
// names; the engine reads them as UTF-8, libmdb's default. Call first in
// main(), before any thread starts: it changes the environment only where
// MDBICONV names another encoding.
void prepareJetLibrary();

} // namespace catalogue

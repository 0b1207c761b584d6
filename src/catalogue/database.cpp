#include "catalogue/database.h"

#include <atomic>

#include <QStringList>

#include "catalogue/catalogueerror.h"
#include "catalogue/private/jetfile.h"
#include "catalogue/private/jettable.h"
#include "catalogue/private/logging.h"
#include "catalogue/private/preloadplan.h"
#include "catalogue/private/resultreader.h"
#include "catalogue/private/sqliteconnection.h"
#include "catalogue/private/sqlnames.h"
#include "catalogue/private/statementtranslator.h"
#include "catalogue/private/storednames.h"
#include "catalogue/private/tableloader.h"
#include "catalogue/recordset.h"

namespace catalogue {

namespace {

// The password of a connect string such as ";PWD=secreto"; empty when it names none.
QString connectPassword(const QString &connect)
{
    const QStringList parts = connect.split(u';');
    for (const QString &part : parts) {
        const qsizetype equals = part.indexOf(u'=');
        if (equals > 0 && part.left(equals).trimmed().compare(QLatin1String("PWD"), Qt::CaseInsensitive) == 0)
            return part.mid(equals + 1);
    }
    return QString();
}

} // namespace

void prepareJetLibrary()
{
    if (qEnvironmentVariableIsSet("MDBICONV") && qgetenv("MDBICONV").toUpper() != "UTF-8") {
        qCDebug(lcCatalogue) << "MDBICONV" << qgetenv("MDBICONV") << "replaced by UTF-8";
        qputenv("MDBICONV", "UTF-8");
    }
}

std::unique_ptr<Database> Database::OpenDatabase(const QString &path, const QString &connect)
{
    try {
        const JetHeader header = readJetHeader(path);
        if (!header.password.isEmpty() && header.password != connectPassword(connect))
            throw CatalogueError::wrongPassword(path);
        return std::unique_ptr<Database>(new Database(std::make_unique<JetFile>(path, header)));
    } catch (const CatalogueError &error) {
        qCWarning(lcCatalogue) << "refused" << path << "-" << error.message();
        throw;
    }
}

Database::Database(std::unique_ptr<JetFile> file)
    : m_file(std::move(file))
    , m_connection(std::make_unique<SqliteConnection>())
    , m_pendingReads(std::make_unique<PendingReads>())
    , m_names(std::make_unique<StoredNames>())
{
    for (const JetTableEntry &entry : m_file->userTables()) {
        auto table = std::make_unique<JetTable>(*m_file, entry);
        QStringList columns;
        for (const JetColumn &column : table->columns())
            columns << column.name;
        m_names->addTable(table->name(), columns);
        m_tables.push_back(std::move(table));
    }
}

Database::~Database()
{
    // Every set is read out, also after one fails: a set left on the list
    // would later take itself off a list that is gone.
    for (;;) {
        try {
            m_pendingReads->readAll();
            return;
        } catch (const CatalogueError &error) {
            qCWarning(lcCatalogue) << "a record set ends early -" << error.message();
        }
    }
}

int Database::TableDefCount() const
{
    return int(m_tables.size());
}

void Database::load(const QString &name)
{
    if (m_loaded.contains(name))
        return;
    for (const auto &table : m_tables) {
        if (table->name() == name) {
            m_pendingReads->readAll();
            try {
                loadTable(*table, *m_connection, {});
            } catch (const CatalogueError &error) {
                qCWarning(lcCatalogue) << "table" << name << "not loaded -" << error.message();
                throw;
            }
            m_loaded.insert(name);
            // Made from the loaded rows, which is quicker than growing them
            // row by row (a preload, beside the window's own work, grows
            // them to spare memory instead).
            for (const QStringList &columns : indexesOf(name))
                createIndex(*m_connection, name, columns);
            return;
        }
    }
}

void Database::declareIndex(const QString &table, const QStringList &columns)
{
    const QString stored = m_names->table(table);
    if (stored.isEmpty())
        return;
    m_indexes.push_back({stored, columns});
    if (!m_loaded.contains(stored))
        return;
    m_pendingReads->readAll();
    for (const QStringList &storedColumns : indexesOf(stored)) {
        // CREATE INDEX IF NOT EXISTS: the older declarations are there already.
        createIndex(*m_connection, stored, storedColumns);
    }
}

std::vector<QStringList> Database::indexesOf(const QString &table) const
{
    std::vector<QStringList> indexes;
    for (const IndexDeclaration &index : m_indexes) {
        if (index.table != table)
            continue;
        QStringList stored;
        for (const QString &column : index.columns)
            stored << m_names->column(table, column);
        if (stored.contains(QString()))
            qCDebug(lcCatalogue) << "no index on" << table << index.columns << "- the table lacks a column";
        else
            indexes.push_back(stored);
    }
    return indexes;
}

std::unique_ptr<TablePreload> Database::preload(const QString &table) const
{
    const QString stored = m_names->table(table);
    if (stored.isEmpty() || m_loaded.contains(stored))
        return nullptr;
    auto plan = std::make_unique<TablePreload::Plan>();
    plan->path = m_file->path();
    plan->header = m_file->header();
    for (const JetTableEntry &entry : m_file->userTables()) {
        if (entry.name == stored)
            plan->entry = entry;
    }
    plan->indexes = indexesOf(stored);
    // Unique in the process: every catalogue and preload gets its own.
    static std::atomic_int preloads{0};
    plan->databaseName = QStringLiteral("/colaborador-preload-%1").arg(++preloads);
    return std::unique_ptr<TablePreload>(new TablePreload(std::move(plan)));
}

void Database::adopt(TablePreload &preload)
{
    TablePreload::Plan &plan = *preload.m_plan;
    if (!plan.connection || m_loaded.contains(plan.entry.name))
        return;
    m_pendingReads->readAll();
    // The attached table answers to its own name: no table of the main
    // database bears it.
    m_connection->exec(QStringLiteral("ATTACH DATABASE '%1' AS %2")
                           .arg(QString::fromUtf8(sharedMemoryUri(plan.databaseName)),
                                quotedName(QStringLiteral("preload%1").arg(++m_preloadsAdopted))));
    m_loaded.insert(plan.entry.name);
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString &sql)
{
    if (sql.trimmed().isEmpty())
        throw CatalogueError(QStringLiteral("La consulta está vacía."));
    const TranslatedStatement statement = translateStatement(sql, *m_names);
    for (const QString &table : statement.tables)
        load(table);
    PreparedStatement prepared;
    if (!statement.tieBreaker.isEmpty()) {
        prepared = m_connection->tryPrepare(statement.sql + statement.tieBreaker);
        if (!prepared.get())
            qCDebug(lcCatalogue) << "no tie-breaker for" << sql << "- sent in SQLite's own order of equal keys";
    }
    if (!prepared.get())
        prepared = m_connection->prepare(statement.sql);
    return readRecordset(std::move(prepared), *m_pendingReads);
}

} // namespace catalogue

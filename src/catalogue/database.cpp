#include "catalogue/database.h"

#include <QStringList>

#include "catalogue/catalogueerror.h"
#include "catalogue/private/jetfile.h"
#include "catalogue/private/jettable.h"
#include "catalogue/private/logging.h"
#include "catalogue/private/resultreader.h"
#include "catalogue/private/sqliteconnection.h"
#include "catalogue/private/sqlnames.h"
#include "catalogue/private/statementtranslator.h"
#include "catalogue/private/storednames.h"
#include "catalogue/private/tableloader.h"
#include "catalogue/recordset.h"

namespace catalogue {

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

Database::~Database() = default;

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
            try {
                loadTable(*table, *m_connection);
            } catch (const CatalogueError &error) {
                qCWarning(lcCatalogue) << "table" << name << "not loaded -" << error.message();
                throw;
            }
            m_loaded.insert(name);
            for (const IndexDeclaration &index : m_indexes) {
                if (index.table == name)
                    createIndex(index.table, index.columns);
            }
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
    if (m_loaded.contains(stored))
        createIndex(stored, columns);
}

void Database::createIndex(const QString &table, const QStringList &columns)
{
    QStringList stored;
    QStringList quoted;
    for (const QString &column : columns) {
        stored << m_names->column(table, column);
        if (stored.back().isEmpty()) {
            qCDebug(lcCatalogue) << "no index on" << table << columns << "- the table has no column" << column;
            return;
        }
        quoted << quotedName(stored.back());
    }
    m_connection->exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                           .arg(quotedName(table + u'_' + stored.join(u'_')), quotedName(table), quoted.join(u", ")));
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
    return readRecordset(prepared.get());
}

} // namespace catalogue

#include "catalogue/database.h"

#include <QStringList>

#include "catalogue/catalogueerror.h"
#include "catalogue/jetfile.h"
#include "catalogue/jettable.h"
#include "catalogue/recordset.h"
#include "catalogue/resultreader.h"
#include "catalogue/sqliteconnection.h"
#include "catalogue/statementtranslator.h"
#include "catalogue/tableloader.h"

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

std::unique_ptr<Database> Database::OpenDatabase(const QString &path, bool exclusive, bool readOnly,
                                                 const QString &connect)
{
    Q_UNUSED(exclusive);
    Q_UNUSED(readOnly);
    const JetHeader header = readJetHeader(path);
    if (!header.password.isEmpty() && header.password != connectPassword(connect))
        throw CatalogueError::wrongPassword(path);
    return std::unique_ptr<Database>(new Database(std::make_unique<JetFile>(path, header)));
}

Database::Database(std::unique_ptr<JetFile> file)
    : m_file(std::move(file))
    , m_connection(std::make_unique<SqliteConnection>())
{
    for (const JetTableEntry &entry : m_file->userTables()) {
        auto table = std::make_unique<JetTable>(*m_file, entry);
        QStringList columns;
        for (const JetColumn &column : table->columns())
            columns << column.name;
        m_schema.addTable(table->name(), columns);
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
            loadTable(*table, *m_connection);
            m_loaded.insert(name);
            return;
        }
    }
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString &sql)
{
    if (sql.trimmed().isEmpty())
        throw CatalogueError(QStringLiteral("La consulta está vacía."));
    const TranslatedStatement statement = translateStatement(sql, m_schema);
    for (const QString &table : statement.tables)
        load(table);
    SqliteStatement prepared;
    if (!statement.tieBreaker.isEmpty())
        prepared = m_connection->tryPrepare(statement.sql + statement.tieBreaker);
    if (!prepared.get())
        prepared = m_connection->prepare(statement.sql);
    return readRecordset(prepared.get());
}

} // namespace catalogue

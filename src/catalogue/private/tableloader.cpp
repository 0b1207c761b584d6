#include "catalogue/private/tableloader.h"

#include <QStringList>
#include <mdbtools.h>

#include "catalogue/private/jettable.h"
#include "catalogue/private/sqlextensions.h"
#include "catalogue/private/sqliteconnection.h"
#include "catalogue/private/sqlnames.h"

namespace catalogue {

namespace {

// Declared types: SQLite's affinity rules keep each kind as it should be.
// CURRENCY has numeric affinity, so whole amounts are stored as integers.
QString declaredType(int columnType)
{
    switch (columnType) {
    case MDB_BOOL: return QStringLiteral("BOOLEAN");
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX: return QStringLiteral("INTEGER");
    case MDB_MONEY: return QStringLiteral("CURRENCY");
    case MDB_FLOAT:
    case MDB_DOUBLE: return QStringLiteral("DOUBLE");
    case MDB_NUMERIC: return QStringLiteral("NUMERIC");
    case MDB_DATETIME: return QStringLiteral("DATETIME");
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID: return QStringLiteral("TEXT COLLATE ") + QLatin1String(SpanishCollationName);
    default: return QStringLiteral("BLOB");
    }
}

void bindValue(sqlite3_stmt *insert, int position, const JetValue &value)
{
    switch (value.kind) {
    case JetValue::Kind::Null:
        sqlite3_bind_null(insert, position);
        break;
    case JetValue::Kind::Integer:
        sqlite3_bind_int64(insert, position, value.integer);
        break;
    case JetValue::Kind::Real:
        sqlite3_bind_double(insert, position, value.real);
        break;
    case JetValue::Kind::Text16:
        sqlite3_bind_text16(insert, position, value.text16.data(), int(value.text16.size() * 2), SQLITE_STATIC);
        break;
    case JetValue::Kind::Text8:
        sqlite3_bind_text(insert, position, value.bytes.data(), int(value.bytes.size()), SQLITE_STATIC);
        break;
    case JetValue::Kind::Blob:
        sqlite3_bind_blob(insert, position, value.bytes.data(), int(value.bytes.size()), SQLITE_STATIC);
        break;
    }
}

void createTable(const JetTable &table, SqliteConnection &connection)
{
    QStringList definitions;
    for (const JetColumn &column : table.columns())
        definitions << quotedName(column.name) + u' ' + declaredType(column.type);
    connection.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedName(table.name()), definitions.join(u", ")));
}

void copyRows(JetTable &table, SqliteConnection &connection)
{
    QStringList placeholders;
    for (size_t i = 0; i < table.columns().size(); ++i)
        placeholders << QStringLiteral("?");
    PreparedStatement insert = connection.prepare(
        QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quotedName(table.name()), placeholders.join(u',')));
    while (table.fetch()) {
        const auto &values = table.values();
        for (size_t i = 0; i < values.size(); ++i)
            bindValue(insert.get(), int(i) + 1, values[i]);
        if (sqlite3_step(insert.get()) != SQLITE_DONE)
            connection.fail();
        sqlite3_reset(insert.get());
    }
}

} // namespace

void loadTable(JetTable &table, SqliteConnection &connection, const std::vector<QStringList> &indexesFirst)
{
    // One transaction for speed. The database keeps no journal, so a
    // rollback undoes nothing: a table that fails half-way is dropped, and
    // the next statement that names it tries it again.
    connection.exec(QStringLiteral("BEGIN"));
    table.rewind();
    try {
        createTable(table, connection);
        for (const QStringList &columns : indexesFirst)
            createIndex(connection, table.name(), columns);
        copyRows(table, connection);
        connection.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        const QByteArray drop = QStringLiteral("DROP TABLE IF EXISTS %1").arg(quotedName(table.name())).toUtf8();
        sqlite3_exec(connection.handle(), drop.constData(), nullptr, nullptr, nullptr);
        throw;
    }
}

void createIndex(SqliteConnection &connection, const QString &table, const QStringList &columns)
{
    QStringList quoted;
    for (const QString &column : columns)
        quoted << quotedName(column);
    connection.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                        .arg(quotedName(table + u'_' + columns.join(u'_')), quotedName(table), quoted.join(u", ")));
}

} // namespace catalogue

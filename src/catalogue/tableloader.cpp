#include "catalogue/tableloader.h"

#include <QStringList>
#include <mdbtools.h>

#include "catalogue/jettable.h"
#include "catalogue/sqlextensions.h"
#include "catalogue/sqliteconnection.h"
#include "catalogue/sqlnames.h"

namespace catalogue {

namespace {

// The indexes the program's statements need so that a search, a card or an
// offer's photos read only their own rows: the keys they join on and the
// names and price they filter on. Chosen by the query plans SQLite makes for
// those statements; an index is made when its table has all its columns.
// (ofertas.Conservacion and keyori are joined the other way round, from the
// offer to its look-up row, and fotos.CodFoto is only sorted on within one
// offer's photos: indexes on them would go unused.)
struct KeyIndex
{
    QString table;
    QStringList columns;
};

const QList<KeyIndex> &keyIndexes()
{
    static const QList<KeyIndex> indexes = {
        {QStringLiteral("ofertas"), {QStringLiteral("Cod_Ofer")}},
        // Covers the filter lists' joins, so they never read an offer's row.
        {QStringLiteral("ofertas"), {QStringLiteral("Key_Tipo"), QStringLiteral("Key_Loca"), QStringLiteral("Key_Zona")}},
        {QStringLiteral("ofertas"), {QStringLiteral("Key_Loca")}},
        {QStringLiteral("ofertas"), {QStringLiteral("Key_Zona")}},
        // Covers the search: offers in price order with the keys it joins on.
        {QStringLiteral("ofertas"),
         {QStringLiteral("precioinmo"), QStringLiteral("Cod_Ofer"), QStringLiteral("Key_Tipo"),
          QStringLiteral("Key_Loca"), QStringLiteral("Key_Zona")}},
        {QStringLiteral("ciudad"), {QStringLiteral("Cod_Ciu")}},
        {QStringLiteral("ciudad"), {QStringLiteral("Ciudad")}},
        {QStringLiteral("zonas"), {QStringLiteral("Cod_Zona")}},
        {QStringLiteral("zonas"), {QStringLiteral("Zona")}},
        {QStringLiteral("tipo"), {QStringLiteral("Cod_Tipo")}},
        {QStringLiteral("tipo"), {QStringLiteral("Tipo_Ofer")}},
        {QStringLiteral("tipoconservacion"), {QStringLiteral("idconservacion")}},
        {QStringLiteral("tipoori"), {QStringLiteral("idori")}},
        {QStringLiteral("fotos"), {QStringLiteral("KeyOfe")}},
    };
    return indexes;
}

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
    SqliteStatement insert = connection.prepare(
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

// The stored spelling of a column of the table; empty when it has none.
QString storedColumn(const JetTable &table, const QString &name)
{
    for (const JetColumn &column : table.columns()) {
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return column.name;
    }
    return QString();
}

void createIndexes(const JetTable &table, SqliteConnection &connection)
{
    for (const KeyIndex &index : keyIndexes()) {
        if (index.table.compare(table.name(), Qt::CaseInsensitive) != 0)
            continue;
        QStringList columns;
        for (const QString &wanted : index.columns) {
            const QString column = storedColumn(table, wanted);
            if (!column.isEmpty())
                columns << quotedName(column);
        }
        if (columns.size() != index.columns.size())
            continue;
        connection.exec(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                            .arg(quotedName(table.name() + u'_' + index.columns.join(u'_')), quotedName(table.name()),
                                 columns.join(u", ")));
    }
}

} // namespace

void loadTable(JetTable &table, SqliteConnection &connection)
{
    // One transaction: a table that fails half-way leaves nothing behind.
    connection.exec(QStringLiteral("BEGIN"));
    try {
        createTable(table, connection);
        copyRows(table, connection);
        connection.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    createIndexes(table, connection);
}

} // namespace catalogue

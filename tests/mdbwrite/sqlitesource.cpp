#include "sqlitesource.h"

SqliteSource::SqliteSource(const std::string &script)
{
    sqlite3_open(":memory:", &m_db);
    char *message = nullptr;
    if (sqlite3_exec(m_db, script.c_str(), nullptr, nullptr, &message) != SQLITE_OK)
        m_error = QString::fromUtf8(message);
    sqlite3_free(message);
}

SqliteSource::~SqliteSource()
{
    sqlite3_close(m_db);
}

QStringList SqliteSource::tableNames() const
{
    QStringList names;
    for (const QVariantList &row : query("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"))
        names << row[0].toString();
    return names;
}

QStringList SqliteSource::columnNames(const QString &table) const
{
    QStringList names;
    for (const QVariantList &row : query("SELECT name FROM pragma_table_info('" + table + "') ORDER BY cid"))
        names << row[0].toString();
    return names;
}

QList<QVariantList> SqliteSource::rows(const QString &table) const
{
    return query("SELECT * FROM \"" + table + "\" ORDER BY rowid");
}

QList<QVariantList> SqliteSource::query(const QString &sql) const
{
    QList<QVariantList> rows;
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QVariantList row;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_INTEGER:
                row.append(QVariant(static_cast<qint64>(sqlite3_column_int64(statement, c))));
                break;
            case SQLITE_FLOAT:
                row.append(QVariant(sqlite3_column_double(statement, c)));
                break;
            case SQLITE_TEXT:
                row.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, c)),
                                             sqlite3_column_bytes(statement, c)));
                break;
            default:
                row.append(QVariant());
            }
        }
        rows.append(row);
    }
    sqlite3_finalize(statement);
    return rows;
}

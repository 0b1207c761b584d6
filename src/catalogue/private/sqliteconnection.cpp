#include "catalogue/private/sqliteconnection.h"

#include <QUrl>

#include "catalogue/catalogueerror.h"
#include "catalogue/private/sqlextensions.h"
#include "catalogue/private/sqliteerror.h"

namespace catalogue {

QByteArray sharedMemoryUri(const QString &name)
{
    return QByteArrayLiteral("file:") + QUrl::toPercentEncoding(name, "/") + QByteArrayLiteral("?vfs=memdb");
}

SqliteConnection::SqliteConnection(const QString &name)
{
    const QByteArray uri = name.isEmpty() ? QByteArray(":memory:") : sharedMemoryUri(name);
    if (sqlite3_open_v2(uri.constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI,
                        nullptr) != SQLITE_OK) {
        const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("sin memoria");
        sqlite3_close(m_db);
        throw CatalogueError(QStringLiteral("No se puede preparar la base de datos en memoria: %1.").arg(reason));
    }
    exec(QStringLiteral("PRAGMA encoding = 'UTF-8'"));
    exec(QStringLiteral("PRAGMA journal_mode = OFF"));
    exec(QStringLiteral("PRAGMA synchronous = OFF"));
    exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
    registerCatalogueExtensions(m_db);
}

SqliteConnection::~SqliteConnection()
{
    sqlite3_close(m_db);
}

void SqliteConnection::fail() const
{
    throw statementError(m_db);
}

void SqliteConnection::exec(const QString &sql)
{
    PreparedStatement statement = prepare(sql);
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(statement.get());
    if (rc != SQLITE_DONE)
        fail();
}

PreparedStatement SqliteConnection::tryPrepare(const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    const QByteArray text = sql.toUtf8();
    sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &statement, nullptr);
    return PreparedStatement(statement);
}

PreparedStatement SqliteConnection::prepare(const QString &sql)
{
    PreparedStatement statement = tryPrepare(sql);
    if (!statement.get())
        fail();
    return statement;
}

} // namespace catalogue

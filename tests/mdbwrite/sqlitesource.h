#pragma once

// A SQLite database made from a script: what the written file must hold.

#include <sqlite3.h>

#include <QList>
#include <QString>
#include <QVariant>

#include <string>

class SqliteSource
{
public:
    explicit SqliteSource(const std::string &script);
    ~SqliteSource();
    SqliteSource(const SqliteSource &) = delete;
    SqliteSource &operator=(const SqliteSource &) = delete;

    sqlite3 *handle() const { return m_db; }
    QString error() const { return m_error; }
    // Rows in stored order; NULL is an invalid QVariant, integers qint64, reals double.
    QList<QVariantList> rows(const QString &table) const;

private:
    sqlite3 *m_db = nullptr;
    QString m_error;
};

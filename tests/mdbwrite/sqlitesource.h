#pragma once

// A SQLite database made from a script: what the written file must hold.

#include <sqlite3.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <string>

class SqliteSource
{
public:
    explicit SqliteSource(const std::string &script);
    ~SqliteSource();
    SqliteSource(const SqliteSource &) = delete;
    SqliteSource &operator=(const SqliteSource &) = delete;

    QString error() const { return m_error; }
    // In creation order, as the writer lays the tables out.
    QStringList tableNames() const;
    QStringList columnNames(const QString &table) const;
    // Rows in stored order; NULL is an invalid QVariant, integers qint64, reals double.
    QList<QVariantList> rows(const QString &table) const;

private:
    QList<QVariantList> query(const QString &sql) const;

    sqlite3 *m_db = nullptr;
    QString m_error;
};

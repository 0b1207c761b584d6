#pragma once

// Reads a .mdb file back through libmdb, the library the program reads catalogues with,
// keeping what the row's null mask says apart from the value's text.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>


struct ReadValue {
    bool isNull = true;  // Booleans are never null
    QString text;        // as libmdb formats it: dates "%Y-%m-%d %H:%M:%S", Booleans 0/1
};

struct ReadColumn {
    QString name;
    int type = 0;        // MDB_* type code
    int size = 0;        // bytes, as the descriptor stores it
};

struct ReadTable {
    QString name;
    long declaredRows = 0;
    QList<ReadColumn> columns;
    QList<QList<ReadValue>> rows;
};

class MdbReadback
{
public:
    explicit MdbReadback(const QString &path);
    ~MdbReadback();
    MdbReadback(const MdbReadback &) = delete;
    MdbReadback &operator=(const MdbReadback &) = delete;

    bool isOpen() const { return m_mdb != nullptr; }
    // User tables in catalog order.
    QStringList tableNames() const;
    ReadTable table(const QString &name) const;

private:
    void *m_mdb = nullptr;
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// The user tables of a Jet file as libmdb reads them: names, columns in
// order and every row as text (Null as the empty text).
struct MdbTable
{
    QString name;
    QStringList columns;
    QList<QStringList> rows;
};

// Tables in catalogue order; empty when the file cannot be opened.
std::vector<MdbTable> readMdbTables(const QString &path);

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// The names of the catalogue's tables and columns as stored in the file.
// The engine compares names without regard to case, for every letter;
// SQLite only folds ASCII ('BAÑOS' is not 'baños' to it), so statements are
// given the stored spelling.
class StoredNames
{
public:
    void addTable(const QString &table, const QStringList &columns);

    // Stored spellings, or an empty text when there is no such name.
    QString table(const QString &name) const;
    QString column(const QString &table, const QString &name) const;

private:
    struct Table
    {
        QString name;
        QHash<QString, QString> columns; // folded name -> stored name
    };

    static QString key(const QString &name) { return name.toCaseFolded(); }

    QHash<QString, Table> m_tables; // folded name -> table
};

} // namespace catalogue

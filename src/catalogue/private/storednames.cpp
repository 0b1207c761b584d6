#include "catalogue/private/storednames.h"

namespace catalogue {

void StoredNames::addTable(const QString &table, const QStringList &columns)
{
    Table entry{table, {}};
    for (const QString &column : columns)
        entry.columns.insert(key(column), column);
    m_tables.insert(key(table), entry);
}

QString StoredNames::table(const QString &name) const
{
    return m_tables.value(key(name)).name;
}

QString StoredNames::column(const QString &table, const QString &name) const
{
    return m_tables.value(key(table)).columns.value(key(name));
}

} // namespace catalogue

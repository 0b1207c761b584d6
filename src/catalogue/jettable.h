#pragma once

#include <vector>

#include <QString>
#include <mdbtools.h>

#include "catalogue/jetvalue.h"
#include "catalogue/jetvaluedecoder.h"

namespace catalogue {

class JetFile;
struct JetTableEntry;

struct JetColumn
{
    QString name;
    int type = 0; // libmdb's column type (MDB_TEXT, MDB_LONGINT, ...)
};

// One table of a Jet file, read row by row in the file's natural order.
// Its definition is checked before libmdb reads it, since libmdb follows
// page pointers and counts from the file without questioning them.
class JetTable
{
public:
    // Throws CatalogueError when the table's definition is damaged.
    JetTable(const JetFile &file, const JetTableEntry &entry);
    ~JetTable();
    JetTable(const JetTable &) = delete;
    JetTable &operator=(const JetTable &) = delete;

    const QString &name() const { return m_name; }
    const std::vector<JetColumn> &columns() const { return m_columns; }

    // Decode only the columns marked true; the others read as Null.
    void restrictTo(const std::vector<bool> &wanted) { m_wanted = wanted; }

    // Moves to the next row; false after the last one.
    bool fetch();
    const std::vector<JetValue> &values() const { return m_values; }

private:
    void checkDefinition(quint32 page) const;
    void checkUsageMap() const;
    void readColumns();

    const JetFile &m_file;
    QString m_name;
    MdbCatalogEntry m_entry{}; // libmdb keeps a pointer to it in the table
    MdbTableDef *m_table = nullptr;
    std::vector<JetColumn> m_columns;
    std::vector<bool> m_wanted;
    std::vector<MdbField> m_fields;
    std::vector<JetValue> m_values;
    JetValueDecoder m_decoder;
};

} // namespace catalogue

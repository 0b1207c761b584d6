#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <mdbtools.h>

#include "catalogue/private/engineonly.h"
#include "catalogue/private/jetvalue.h"
#include "catalogue/private/jetvaluedecoder.h"

namespace catalogue {

class JetFile;
struct JetTableEntry;

struct JetColumn
{
    QString name;
    int type = 0; // libmdb's column type (MDB_TEXT, MDB_LONGINT, ...)
};

// One table of a Jet file, read row by row in the file's natural order: its
// data pages in ascending order, the rows of each page in slot order. Its
// definition and page map are checked before libmdb reads them, since libmdb
// follows page pointers and counts from the file without questioning them,
// and quietly skips a listed page that is not the table's; its columns are
// checked after (see checkColumns). Rows are checked too: a row that cannot
// be taken apart, whose fixed area is too short for its columns' fixed-size
// values, or a table whose live rows are not as many as its definition says,
// is damage, never a shorter table or another column's bytes.
class JetTable
{
public:
    // Throws CatalogueError when the table's definition is damaged.
    JetTable(const JetFile &file, const JetTableEntry &entry);
    JetTable(const JetTable &) = delete;
    JetTable &operator=(const JetTable &) = delete;

    const QString &name() const { return m_name; }
    const std::vector<JetColumn> &columns() const { return m_columns; }

    // Decode only the columns marked true; the others read as Null.
    void restrictTo(const std::vector<bool> &wanted) { m_wanted = wanted; }

    // Moves to the next row; false after the last one. Throws CatalogueError,
    // naming the table, for a damaged row or a wrong number of rows.
    bool fetch();
    // Back before the first row.
    void rewind();
    const std::vector<JetValue> &values() const { return m_values; }

private:
    void checkDefinition(quint32 page);
    void readUsageMap();
    void readColumns();
    bool nextPage();
    int columnsInRow(int row, int start, size_t size) const;
    int fixedAreaEnd(int start, size_t size, int rowColumns) const;
    [[noreturn]] void damagedRow(int row) const;

    const JetFile &m_file;
    QString m_name;
    MdbCatalogEntry m_entry{}; // libmdb keeps a pointer to it in the table
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef *)> m_table{nullptr, mdb_free_tabledef};
    std::vector<JetColumn> m_columns;
    std::vector<quint32> m_pages; // the table's data pages, ascending
    int m_columnLimit = 0; // column numbers ever given out, deleted ones included
    int m_firstVariable = -1; // the variable column whose value comes first in a row
    // By a row's column count: the bytes its fixed area needs for the
    // fixed-size values of those columns, the column count included.
    std::vector<int> m_fixedAreaNeeded;
    size_t m_nextPage = 0;
    quint32 m_page = 0;
    int m_nextRow = 0;
    int m_rowsOnPage = 0;
    int m_rowTableEnd = 0; // where the rows of the page may start
    quint64 m_rowsRead = 0;
    std::vector<bool> m_wanted;
    std::vector<MdbField> m_fields;
    std::vector<JetValue> m_values;
    JetValueDecoder m_decoder;
};

} // namespace catalogue

#include "catalogue/private/jettable.h"

#include <cstdio>
#include <unordered_set>

#include <QtEndian>

#include "catalogue/private/jetcolumns.h"
#include "catalogue/private/jetfile.h"

namespace catalogue {

namespace {

constexpr int MaxColumns = 255;
constexpr int MaxRealIndexes = 256;
// Jet marks a deleted row 0xC000 and a row moved to another page 0x4000;
// the moved row itself is marked 0x8000 and read where it lies.
constexpr int DeletedOrMovedFlag = 0x4000;
constexpr int RowOffsetMask = 0x1FFF;

} // namespace

JetTable::JetTable(const JetFile &file, const JetTableEntry &entry)
    : m_file(file)
    , m_name(entry.name)
    , m_decoder(file)
{
    const JetFile::ReadingTable reading(m_file, m_name);
    checkDefinition(entry.definitionPage);
    m_entry.mdb = file.handle();
    m_entry.object_type = MDB_TABLE;
    m_entry.table_pg = entry.definitionPage;
    std::snprintf(m_entry.object_name, sizeof m_entry.object_name, "%s", entry.name.toUtf8().constData());
    m_table.reset(mdb_read_table(&m_entry));
    if (!m_table)
        m_file.damaged(QStringLiteral("no se puede leer su definición"));
    readUsageMap();
    readColumns();
}

void JetTable::damagedRow(int row) const
{
    m_file.damaged(QStringLiteral("la fila %1 de la página %2 no es válida").arg(row).arg(m_page));
}

void JetTable::checkDefinition(quint32 page)
{
    const MdbFormatConstants &fmt = *m_file.handle()->fmt;
    std::vector<unsigned char> definition;
    m_file.readPage(page, definition);
    const auto broken = [&] { m_file.damaged(QStringLiteral("la definición no es válida")); };
    if (definition[0] != MDB_PAGE_TABLE)
        broken();
    const int columns = qFromLittleEndian<quint16>(definition.data() + fmt.tab_num_cols_offset);
    const quint32 realIndexes = qFromLittleEndian<quint32>(definition.data() + fmt.tab_num_ridxs_offset);
    if (columns < 1 || columns > MaxColumns || realIndexes > MaxRealIndexes)
        broken();
    // Just before the column count: the number of column numbers given out.
    // Rows written before a column was deleted still count that column.
    m_columnLimit = qMax(columns, int(qFromLittleEndian<quint16>(definition.data() + fmt.tab_num_cols_offset - 4)));
    for (const int offset : {int(fmt.tab_usage_map_offset), int(fmt.tab_free_map_offset)}) {
        if (!m_file.hasPage(qFromLittleEndian<quint32>(definition.data() + offset) >> 8))
            broken();
    }
    // A long definition continues on further pages, chained through bytes 4..7.
    std::unordered_set<quint32> visited{page};
    std::vector<unsigned char> continuation;
    for (quint32 next = qFromLittleEndian<quint32>(definition.data() + 4); next != 0;
         next = qFromLittleEndian<quint32>(continuation.data() + 4)) {
        if (!visited.insert(next).second)
            broken();
        m_file.readPage(next, continuation);
        if (continuation[0] != MDB_PAGE_TABLE)
            broken();
    }
}

void JetTable::readUsageMap()
{
    const unsigned char *map = m_table->usage_map;
    const size_t size = m_table->map_sz;
    const auto broken = [&] { m_file.damaged(QStringLiteral("el mapa de páginas no es válido")); };
    if (!map || size < 5)
        broken();
    const auto listBits = [&](const unsigned char *bits, size_t bytes, quint64 firstPage) {
        for (size_t bit = 0; bit < bytes * 8; ++bit) {
            if (!(bits[bit / 8] & (1 << (bit % 8))))
                continue;
            if (!m_file.hasPage(firstPage + bit))
                broken();
            m_pages.push_back(quint32(firstPage + bit));
        }
    };
    if (map[0] == 0) {
        // The bitmap is in the map itself: bit i stands for page start + i.
        listBits(map + 5, size - 5, qFromLittleEndian<quint32>(map + 1));
    } else if (map[0] == 1) {
        // The map points to bitmap pages, each covering the next stretch of pages.
        const size_t pageSize = size_t(m_file.handle()->fmt->pg_size);
        const size_t bitsPerPage = (pageSize - 4) * 8;
        std::vector<unsigned char> bitmap;
        for (size_t i = 0; 1 + 4 * i + 4 <= size; ++i) {
            const quint32 mapPage = qFromLittleEndian<quint32>(map + 1 + 4 * i);
            if (mapPage == 0)
                continue;
            m_file.readPage(mapPage, bitmap);
            if (bitmap[0] != MDB_PAGE_MAP)
                broken();
            listBits(bitmap.data() + 4, pageSize - 4, quint64(i) * bitsPerPage);
        }
    } else {
        broken();
    }
}

void JetTable::readColumns()
{
    if (!mdb_read_columns(m_table.get()) || m_table->columns->len != m_table->num_cols)
        m_file.damaged(QStringLiteral("no se pueden leer sus columnas"));
    checkColumns(m_file, *m_table, m_columnLimit);
    const int countSize = m_file.header().isJet3() ? 1 : 2;
    m_fixedAreaNeeded.assign(size_t(m_columnLimit) + 1, countSize);
    unsigned int firstIndex = m_table->num_var_cols;
    for (guint i = 0; i < m_table->columns->len; ++i) {
        const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
        JetColumn described{QString::fromUtf8(column->name), column->col_type};
        if (described.name.isEmpty())
            m_file.damaged(QStringLiteral("una columna no tiene nombre"));
        if (!column->is_fixed && column->var_col_num < firstIndex) {
            firstIndex = column->var_col_num;
            m_firstVariable = int(i);
        }
        if (column->is_fixed && column->col_type != MDB_BOOL) {
            int &needed = m_fixedAreaNeeded[size_t(column->col_num) + 1];
            needed = qMax(needed, countSize + column->fixed_offset + column->col_size);
        }
        m_columns.push_back(described);
    }
    for (size_t columns = 1; columns < m_fixedAreaNeeded.size(); ++columns)
        m_fixedAreaNeeded[columns] = qMax(m_fixedAreaNeeded[columns], m_fixedAreaNeeded[columns - 1]);
    m_wanted.assign(m_columns.size(), true);
    m_fields.resize(m_columns.size());
    m_values.resize(m_columns.size());
}

void JetTable::rewind()
{
    m_nextPage = 0;
    m_nextRow = 0;
    m_rowsOnPage = 0;
    m_rowsRead = 0;
    m_decoder.forgetLongValueRows();
}

bool JetTable::nextPage()
{
    if (m_nextPage == m_pages.size())
        return false;
    MdbHandle *mdb = m_file.handle();
    m_page = m_pages[m_nextPage++];
    if (mdb_read_pg(mdb, m_page) != mdb->fmt->pg_size)
        m_file.damaged(QStringLiteral("no se puede leer la página %1").arg(m_page));
    if (mdb->pg_buf[0] != MDB_PAGE_DATA || qFromLittleEndian<quint32>(mdb->pg_buf + 4) != m_entry.table_pg)
        m_file.damaged(QStringLiteral("la página %1 no es de la tabla").arg(m_page));
    const int countOffset = mdb->fmt->row_count_offset;
    m_rowsOnPage = qFromLittleEndian<quint16>(mdb->pg_buf + countOffset);
    m_rowTableEnd = countOffset + 2 + 2 * m_rowsOnPage;
    if (m_rowTableEnd > mdb->fmt->pg_size)
        m_file.damaged(QStringLiteral("la página %1 no es válida").arg(m_page));
    m_nextRow = 0;
    return true;
}

// The row's own column count: at most the column numbers the table has
// given out; fewer where the row was written before columns were added.
int JetTable::columnsInRow(int row, int start, size_t size) const
{
    const unsigned char *data = m_file.handle()->pg_buf + start;
    const bool jet3 = m_file.header().isJet3();
    const size_t countSize = jet3 ? 1 : 2;
    if (size < countSize)
        damagedRow(row);
    const int columns = jet3 ? data[0] : qFromLittleEndian<quint16>(data);
    if (columns < 1 || columns > m_columnLimit || countSize + size_t(columns + 7) / 8 > size)
        damagedRow(row);
    return columns;
}

// Where the row's fixed area ends, counted from the row's start: where its
// first variable value begins, else where its trailer does (the null mask,
// after the end of the variable data and their count when the table has
// variable columns).
int JetTable::fixedAreaEnd(int start, size_t size, int rowColumns) const
{
    if (m_firstVariable >= 0 && m_fields[size_t(m_firstVariable)].value)
        return m_fields[size_t(m_firstVariable)].start - start;
    const int variableTrailer = m_table->num_var_cols == 0 ? 0 : m_file.header().isJet3() ? 2 : 4;
    return int(size) - (rowColumns + 7) / 8 - variableTrailer;
}

bool JetTable::fetch()
{
    const JetFile::ReadingTable reading(m_file, m_name);
    MdbHandle *mdb = m_file.handle();
    for (;;) {
        while (m_nextRow >= m_rowsOnPage) {
            if (nextPage())
                continue;
            if (m_rowsRead != m_table->num_rows) {
                m_file.damaged(QStringLiteral("tiene %1 filas y su definición dice %2")
                                   .arg(m_rowsRead).arg(m_table->num_rows));
            }
            m_decoder.forgetLongValueRows();
            return false;
        }
        const int row = m_nextRow++;
        const int slot = qFromLittleEndian<quint16>(mdb->pg_buf + mdb->fmt->row_count_offset + 2 + 2 * row);
        // Deleted rows, and rows moved to another page (their new place is
        // read where it lies), are not the table's rows here.
        if (slot & DeletedOrMovedFlag)
            continue;
        int start = 0;
        size_t size = 0;
        if (mdb_find_row(mdb, row, &start, &size) != 0)
            damagedRow(row);
        start &= RowOffsetMask;
        if (size == 0 || start < m_rowTableEnd)
            damagedRow(row);
        const int rowColumns = columnsInRow(row, start, size);
        if (mdb_crack_row(m_table.get(), start, size, m_fields.data()) < 0
            || m_fixedAreaNeeded[size_t(rowColumns)] > fixedAreaEnd(start, size, rowColumns))
            damagedRow(row);
        ++m_rowsRead;
        const int rowEnd = start + int(size);
        for (size_t i = 0; i < m_columns.size(); ++i) {
            const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
            if (!m_wanted[i] || column->col_num >= rowColumns) {
                // libmdb reads a column newer than the row past the row's null mask.
                m_values[i].setNull();
                continue;
            }
            m_decoder.decode(*column, m_fields[i], rowEnd, m_values[i]);
        }
        return true;
    }
}

} // namespace catalogue

#include "catalogue/private/jettable.h"

#include <cstdio>
#include <unordered_set>

#include <QtEndian>

#include "catalogue/private/jetfile.h"

namespace catalogue {

namespace {

constexpr int MaxColumns = 255;
constexpr int MaxRealIndexes = 256;
constexpr int RowOffsetMask = 0x1FFF;
constexpr int DeletedRowFlag = 0x4000;

} // namespace

JetTable::JetTable(const JetFile &file, const JetTableEntry &entry)
    : m_file(file)
    , m_name(entry.name)
    , m_decoder(file)
{
    checkDefinition(entry.definitionPage);
    m_entry.mdb = file.handle();
    m_entry.object_type = MDB_TABLE;
    m_entry.table_pg = entry.definitionPage;
    std::snprintf(m_entry.object_name, sizeof m_entry.object_name, "%s", entry.name.toUtf8().constData());
    m_table.reset(mdb_read_table(&m_entry));
    if (!m_table)
        damaged(QStringLiteral("no se puede leer su definición"));
    readUsageMap();
    readColumns();
}

void JetTable::damaged(const QString &what) const
{
    m_file.damaged(QStringLiteral("tabla %1: %2").arg(m_name, what));
}

void JetTable::checkDefinition(quint32 page) const
{
    const MdbFormatConstants &fmt = *m_file.handle()->fmt;
    std::vector<unsigned char> definition;
    m_file.readPage(page, definition);
    const auto broken = [&] { damaged(QStringLiteral("la definición no es válida")); };
    if (definition[0] != MDB_PAGE_TABLE)
        broken();
    const int columns = qFromLittleEndian<quint16>(definition.data() + fmt.tab_num_cols_offset);
    const quint32 realIndexes = qFromLittleEndian<quint32>(definition.data() + fmt.tab_num_ridxs_offset);
    if (columns < 1 || columns > MaxColumns || realIndexes > MaxRealIndexes)
        broken();
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
    const auto broken = [&] { damaged(QStringLiteral("el mapa de páginas no es válido")); };
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
        damaged(QStringLiteral("no se pueden leer sus columnas"));
    for (guint i = 0; i < m_table->columns->len; ++i) {
        const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
        JetColumn described{QString::fromUtf8(column->name), column->col_type};
        if (described.name.isEmpty())
            damaged(QStringLiteral("una columna no tiene nombre"));
        m_columns.push_back(described);
    }
    m_wanted.assign(m_columns.size(), true);
    m_fields.resize(m_columns.size());
    m_values.resize(m_columns.size());
}

bool JetTable::nextPage()
{
    if (m_nextPage == m_pages.size())
        return false;
    MdbHandle *mdb = m_file.handle();
    const quint32 page = m_pages[m_nextPage++];
    if (mdb_read_pg(mdb, page) != mdb->fmt->pg_size)
        damaged(QStringLiteral("no se puede leer la página %1").arg(page));
    if (mdb->pg_buf[0] != MDB_PAGE_DATA || qFromLittleEndian<quint32>(mdb->pg_buf + 4) != m_entry.table_pg)
        damaged(QStringLiteral("la página %1 no es de la tabla").arg(page));
    const int countOffset = mdb->fmt->row_count_offset;
    m_rowsOnPage = qFromLittleEndian<quint16>(mdb->pg_buf + countOffset);
    if (countOffset + 2 + 2 * m_rowsOnPage > mdb->fmt->pg_size)
        damaged(QStringLiteral("la página %1 no es válida").arg(page));
    m_nextRow = 0;
    return true;
}

bool JetTable::fetch()
{
    MdbHandle *mdb = m_file.handle();
    for (;;) {
        while (m_nextRow >= m_rowsOnPage) {
            if (!nextPage())
                return false;
        }
        int start = 0;
        size_t size = 0;
        const int row = m_nextRow++;
        // Like libmdb's own reader: deleted rows and rows it cannot take
        // apart are passed over.
        if (mdb_find_row(mdb, row, &start, &size) != 0 || size == 0 || (start & DeletedRowFlag))
            continue;
        start &= RowOffsetMask;
        if (mdb_crack_row(m_table.get(), start, size, m_fields.data()) < 0)
            continue;
        const int rowEnd = start + int(size);
        for (size_t i = 0; i < m_columns.size(); ++i) {
            if (!m_wanted[i]) {
                m_values[i].setNull();
                continue;
            }
            const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
            m_decoder.decode(*column, m_fields[i], rowEnd, m_values[i]);
        }
        return true;
    }
}

} // namespace catalogue

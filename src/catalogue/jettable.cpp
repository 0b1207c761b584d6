#include "catalogue/jettable.h"

#include <cstdio>
#include <unordered_set>

#include <QtEndian>

#include "catalogue/jetfile.h"

namespace catalogue {

namespace {

constexpr int MaxColumns = 255;
constexpr int MaxRealIndexes = 256;
constexpr int RowOffsetMask = 0x1FFF;

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
    m_table = mdb_read_table(&m_entry);
    if (!m_table)
        file.damaged(QStringLiteral("no se puede leer la tabla %1").arg(m_name));
    checkUsageMap();
    readColumns();
    mdb_rewind_table(m_table);
}

JetTable::~JetTable()
{
    mdb_free_tabledef(m_table);
}

void JetTable::checkDefinition(quint32 page) const
{
    const MdbFormatConstants &fmt = *m_file.handle()->fmt;
    std::vector<unsigned char> definition;
    m_file.readPage(page, definition);
    const auto broken = [&] {
        m_file.damaged(QStringLiteral("la definición de la tabla %1 no es válida").arg(m_name));
    };
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

void JetTable::checkUsageMap() const
{
    const unsigned char *map = m_table->usage_map;
    const size_t size = m_table->map_sz;
    const auto broken = [&] {
        m_file.damaged(QStringLiteral("el mapa de páginas de la tabla %1 no es válido").arg(m_name));
    };
    if (!map || size < 5)
        broken();
    if (map[0] == 0) {
        // Inline bitmap: bit i of byte 5 on stands for page start + i.
        const quint32 first = qFromLittleEndian<quint32>(map + 1);
        for (size_t bit = 0; bit < (size - 5) * 8; ++bit) {
            if ((map[5 + bit / 8] & (1 << (bit % 8))) && !m_file.hasPage(quint64(first) + bit))
                broken();
        }
    } else if (map[0] == 1) {
        // Pointers to bitmap pages.
        for (size_t offset = 1; offset + 4 <= size; offset += 4) {
            const quint32 mapPage = qFromLittleEndian<quint32>(map + offset);
            if (mapPage != 0 && !m_file.hasPage(mapPage))
                broken();
        }
    } else {
        broken();
    }
}

void JetTable::readColumns()
{
    if (!mdb_read_columns(m_table) || m_table->columns->len != m_table->num_cols)
        m_file.damaged(QStringLiteral("no se pueden leer las columnas de la tabla %1").arg(m_name));
    for (guint i = 0; i < m_table->columns->len; ++i) {
        const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
        JetColumn described{QString::fromUtf8(column->name), column->col_type};
        if (described.name.isEmpty())
            m_file.damaged(QStringLiteral("una columna de la tabla %1 no tiene nombre").arg(m_name));
        m_columns.push_back(described);
    }
    m_wanted.assign(m_columns.size(), true);
    m_fields.resize(m_columns.size());
    m_values.resize(m_columns.size());
}

bool JetTable::fetch()
{
    if (!mdb_fetch_row(m_table))
        return false;
    // libmdb has the row's page in its buffer and counts the row as read;
    // crack it once more to see its null mask and field positions.
    MdbHandle *mdb = m_file.handle();
    int start = 0;
    size_t size = 0;
    if (mdb_find_row(mdb, int(m_table->cur_row) - 1, &start, &size) != 0)
        m_file.damaged(QStringLiteral("una fila de la tabla %1 está dañada").arg(m_name));
    start &= RowOffsetMask;
    if (mdb_crack_row(m_table, start, size, m_fields.data()) < 0)
        m_file.damaged(QStringLiteral("una fila de la tabla %1 está dañada").arg(m_name));
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

} // namespace catalogue

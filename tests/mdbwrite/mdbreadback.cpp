#include "mdbreadback.h"

#include <mdbtools.h>

#include <QStringList>

#include <vector>

namespace {

// Memos of the tests are longer than libmdb's default bind size.
constexpr size_t BindSize = 300000;

MdbHandle *handle(void *mdb)
{
    return static_cast<MdbHandle *>(mdb);
}

QList<MdbCatalogEntry *> userTables(MdbHandle *mdb)
{
    QList<MdbCatalogEntry *> entries;
    mdb_read_catalog(mdb, MDB_TABLE);
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            entries.append(entry);
    }
    return entries;
}

} // namespace

MdbReadback::MdbReadback(const QString &path)
    : m_mdb(mdb_open(path.toLocal8Bit().constData(), MDB_NOFLAGS))
{
    if (!m_mdb)
        return;
    mdb_set_bind_size(handle(m_mdb), BindSize);
    mdb_set_date_fmt(handle(m_mdb), "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(handle(m_mdb));
}

MdbReadback::~MdbReadback()
{
    if (m_mdb)
        mdb_close(handle(m_mdb));
}

QStringList MdbReadback::tableNames() const
{
    QStringList names;
    for (MdbCatalogEntry *entry : userTables(handle(m_mdb)))
        names.append(QString::fromUtf8(entry->object_name));
    return names;
}

ReadTable MdbReadback::table(const QString &name) const
{
    ReadTable result;
    MdbHandle *mdb = handle(m_mdb);
    MdbCatalogEntry *found = nullptr;
    for (MdbCatalogEntry *entry : userTables(mdb)) {
        if (QString::fromUtf8(entry->object_name) == name)
            found = entry;
    }
    MdbTableDef *table = found ? mdb_read_table(found) : nullptr;
    if (!table)
        return result;
    result.name = name;
    result.declaredRows = static_cast<long>(table->num_rows);
    mdb_read_columns(table);
    mdb_rewind_table(table);

    const unsigned int count = table->num_cols;
    std::vector<std::vector<char>> buffers(count, std::vector<char>(BindSize));
    for (unsigned int c = 0; c < count; ++c) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, c));
        result.columns.append({QString::fromUtf8(column->name), column->col_type, column->col_size});
        mdb_bind_column(table, static_cast<int>(c + 1), buffers[c].data(), nullptr);
    }

    std::vector<MdbField> fields(count);
    while (mdb_fetch_row(table)) {
        // The bound texts of Null and of an empty value are alike; the null mask is not.
        int start = 0;
        size_t length = 0;
        mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &length);
        mdb_crack_row(table, start & 0x1FFF, length, fields.data());
        QList<ReadValue> row(count);
        for (unsigned int i = 0; i < count; ++i) {
            const MdbField &field = fields[i];
            const auto c = static_cast<unsigned int>(field.colnum);
            auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, c));
            ReadValue &value = row[static_cast<qsizetype>(c)];
            value.isNull = column->col_type != MDB_BOOL && field.is_null;
            value.text = QString::fromUtf8(buffers[c].data());
        }
        result.rows.append(row);
    }
    mdb_free_tabledef(table);
    return result;
}

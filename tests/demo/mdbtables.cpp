#include "mdbtables.h"

#include <QFile>

#include <mdbtools.h>

#include <memory>

namespace {

// Room for the demo's longest memo, past libmdb's 16 KB default.
constexpr std::size_t BindSize = 256 * 1024;

MdbTable readTable(MdbCatalogEntry *entry)
{
    MdbTable result;
    result.name = QString::fromUtf8(entry->object_name);
    MdbTableDef *table = mdb_read_table(entry);
    if (!table)
        return result;
    mdb_read_columns(table);
    mdb_rewind_table(table);

    const unsigned columnCount = table->num_cols;
    std::vector<std::unique_ptr<char[]>> values(columnCount);
    std::vector<int> lengths(columnCount);
    for (unsigned i = 0; i < columnCount; ++i) {
        const auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        result.columns << QString::fromUtf8(column->name);
        values[i] = std::make_unique<char[]>(BindSize);
        mdb_bind_column(table, static_cast<int>(i) + 1, values[i].get(), &lengths[i]);
    }
    while (mdb_fetch_row(table)) {
        QStringList row;
        for (unsigned i = 0; i < columnCount; ++i)
            row << QString::fromUtf8(values[i].get(), lengths[i]);
        result.rows << row;
    }
    mdb_free_tabledef(table);
    return result;
}

} // namespace

std::vector<MdbTable> readMdbTables(const QString &path)
{
    std::vector<MdbTable> tables;
    MdbHandle *mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        return tables;
    mdb_set_bind_size(mdb, BindSize);
    mdb_read_catalog(mdb, MDB_TABLE);
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            tables.push_back(readTable(entry));
    }
    mdb_close(mdb);
    return tables;
}

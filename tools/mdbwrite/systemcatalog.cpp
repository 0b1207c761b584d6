#include "systemcatalog.h"

#include "littleendian.h"
#include "textstorage.h"

namespace mdbwrite {

namespace {

enum Column { Id, ParentId, Name, Type, DateCreate, DateUpdate, Owner, Flags, ColumnCount = 17 };

constexpr uint32_t TablesContainer = 0x0F000001;
constexpr uint32_t RootContainer = 0x0F000000;
constexpr uint32_t SystemObject = 0x80000000;
constexpr int16_t ContainerType = 3;
constexpr int16_t TableType = 1;

JetColumn systemColumn(const char *name, JetType type, uint16_t length, uint8_t flags)
{
    JetColumn column;
    column.name = name;
    column.type = type;
    column.length = length;
    column.flags = flags;
    column.sortOrder = true;
    return column;
}

struct Entry {
    uint32_t id;
    uint32_t parentId;
    std::string name;
    int16_t type;
    uint32_t flags;
};

Cell fixedCell(uint64_t bits, size_t size)
{
    Cell cell;
    cell.present = true;
    for (size_t i = 0; i < size; ++i)
        cell.bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    return cell;
}

std::vector<Cell> rowOf(const Entry &entry, double creationDate)
{
    std::vector<Cell> row(ColumnCount);
    row[Id] = fixedCell(entry.id, 4);
    row[ParentId] = fixedCell(entry.parentId, 4);
    row[Name].present = true;
    appendStoredText(storableText(entry.name), false, row[Name].bytes);
    row[Type] = fixedCell(static_cast<uint16_t>(entry.type), 2);
    row[DateCreate].present = true;
    row[DateCreate].bytes.resize(8);
    putDouble(row[DateCreate].bytes.data(), creationDate);
    row[DateUpdate] = row[DateCreate];
    row[Flags] = fixedCell(entry.flags, 4);
    return row;
}

} // namespace

TableLayout systemCatalogLayout()
{
    // Readers look these columns up by name; LvProp is required even though it stays Null.
    return TableLayout({
        systemColumn("Id", JetType::Long, 4, 0x13),
        systemColumn("ParentId", JetType::Long, 4, 0x13),
        systemColumn("Name", JetType::Text, 510, 0x12),
        systemColumn("Type", JetType::Integer, 2, 0x13),
        systemColumn("DateCreate", JetType::DateTime, 8, 0x13),
        systemColumn("DateUpdate", JetType::DateTime, 8, 0x13),
        systemColumn("Owner", JetType::Binary, 510, 0x32),
        systemColumn("Flags", JetType::Long, 4, 0x13),
        systemColumn("Database", JetType::Memo, 0, 0x12),
        systemColumn("Connect", JetType::Memo, 0, 0x12),
        systemColumn("ForeignName", JetType::Text, 510, 0x12),
        systemColumn("RmtInfoShort", JetType::Binary, 510, 0x12),
        systemColumn("RmtInfoLong", JetType::Ole, 0, 0x12),
        systemColumn("Lv", JetType::Ole, 0, 0x12),
        systemColumn("LvProp", JetType::Ole, 0, 0x12),
        systemColumn("LvModule", JetType::Ole, 0, 0x12),
        systemColumn("LvExtra", JetType::Ole, 0, 0x12),
    });
}

std::vector<std::vector<Cell>> systemCatalogRows(const std::vector<UserTableEntry> &tables,
                                                 double creationDate)
{
    std::vector<Entry> entries = {
        {TablesContainer, RootContainer, "Tables", ContainerType, SystemObject},
        {0x0F000002, RootContainer, "Databases", ContainerType, SystemObject},
        {0x0F000003, RootContainer, "Relationships", ContainerType, SystemObject},
        {CatalogDefinitionPage, TablesContainer, "MSysObjects", TableType, SystemObject},
    };
    // A table's id is its definition page.
    for (const UserTableEntry &table : tables)
        entries.push_back({table.definitionPage, TablesContainer, table.name, TableType, 0});

    std::vector<std::vector<Cell>> rows;
    for (const Entry &entry : entries)
        rows.push_back(rowOf(entry, creationDate));
    return rows;
}

} // namespace mdbwrite

#include "databasewriter.h"

#include "datapage.h"
#include "headerpage.h"
#include "rowcopier.h"
#include "systemcatalog.h"
#include "usagemap.h"

#include <algorithm>

namespace mdbwrite {

namespace {

constexpr uint32_t HeaderPage = 0;
constexpr uint32_t GlobalUsageMapPage = 1;
constexpr uint32_t GlobalUsageMapOwner = 1; // what Access writes there
constexpr size_t UsageMapRowsPerPage = (PageSize - 14) / (UsageMapRowBytes + 2);

} // namespace

DatabaseWriter::DatabaseWriter(sqlite3 *db, std::u16string password, double creationDate)
    : m_db(db)
    , m_password(std::move(password))
    , m_creationDate(creationDate)
    , m_sources(readSourceTables(db))
{
    m_tables.push_back({"MSysObjects", systemCatalogLayout(), {}, {}, {}});
    m_tables.back().definition.system = true;
    for (const SourceTable &source : m_sources)
        m_tables.push_back({source.name, TableLayout(source.columns), {}, {}, {}});
    for (Table &table : m_tables)
        table.definition.layout = &table.layout;
}

void DatabaseWriter::write(const std::string &path)
{
    PageFile file(path);
    // Pages 0 (header), 1 (global usage map) and 2 (catalog definition) have fixed roles.
    while (file.pageCount() <= CatalogDefinitionPage)
        file.allocate();
    m_tables.front().definitionPages = {CatalogDefinitionPage};

    planUsageMapRows(file);
    planDefinitions(file);
    writeCatalog(file);
    writeUserTables(file);
    writeUsageMapRows(file);
    writeDefinitions(file);
    writeGlobalUsageMap(file);
    file.write(HeaderPage, headerPage(m_password, m_creationDate));
    file.commit();
}

// Each table owns two map rows (its pages, its pages with free space) and two more per
// long-value column; their places are fixed now, their contents once the data is written.
void DatabaseWriter::planUsageMapRows(PageFile &file)
{
    size_t next = 0;
    const auto place = [&] {
        const size_t index = next++;
        if (index / UsageMapRowsPerPage == m_usageMapPages.size())
            m_usageMapPages.push_back(file.allocate());
        return rowPointer(m_usageMapPages.back(), static_cast<uint8_t>(index % UsageMapRowsPerPage));
    };
    for (Table &table : m_tables) {
        table.definition.ownedPagesMap = place();
        table.definition.freePagesMap = place();
        for (size_t i = 0; i < table.layout.longValueColumns().size(); ++i) {
            const uint32_t owned = place();
            table.definition.longValueMaps.push_back({owned, place()});
        }
    }
}

void DatabaseWriter::planDefinitions(PageFile &file)
{
    for (size_t t = 1; t < m_tables.size(); ++t) {
        Table &table = m_tables[t];
        const size_t pages = tableDefinitionPageCount(encodeTableDefinition(table.definition).size());
        for (size_t i = 0; i < pages; ++i)
            table.definitionPages.push_back(file.allocate());
    }
}

void DatabaseWriter::writeCatalog(PageFile &file)
{
    std::vector<UserTableEntry> entries;
    for (size_t t = 1; t < m_tables.size(); ++t)
        entries.push_back({m_tables[t].name, m_tables[t].definitionPages.front()});
    Table &catalog = m_tables.front();
    TableWriter writer(file, catalog.layout, CatalogDefinitionPage);
    for (const std::vector<Cell> &row : systemCatalogRows(entries, m_creationDate))
        writer.addRow(row);
    catalog.content = writer.finish();
}

void DatabaseWriter::writeUserTables(PageFile &file)
{
    for (size_t t = 1; t < m_tables.size(); ++t) {
        Table &table = m_tables[t];
        TableWriter writer(file, table.layout, table.definitionPages.front());
        copyRows(m_db, m_sources[t - 1], writer);
        table.content = writer.finish();
    }
}

void DatabaseWriter::writeUsageMapRows(PageFile &file)
{
    // Free-space maps stay empty: no reader needs them, and a writer would append pages.
    std::vector<UsageMapRow> rows;
    for (const Table &table : m_tables) {
        rows.push_back(usageMapOf(table.content.dataPages, file));
        rows.push_back(emptyUsageMap());
        for (const std::vector<uint32_t> &pages : table.content.longValuePages) {
            rows.push_back(usageMapOf(pages, file));
            rows.push_back(emptyUsageMap());
        }
    }
    for (size_t p = 0; p < m_usageMapPages.size(); ++p) {
        DataPage page(m_usageMapPages[p], 0);
        const size_t end = std::min(rows.size(), (p + 1) * UsageMapRowsPerPage);
        for (size_t r = p * UsageMapRowsPerPage; r < end; ++r)
            page.add(rows[r].data(), rows[r].size());
        file.write(page.number(), page.bytes());
    }
}

void DatabaseWriter::writeDefinitions(PageFile &file)
{
    for (Table &table : m_tables) {
        table.definition.rowCount = table.content.rowCount;
        const std::vector<Page> pages =
            tableDefinitionPages(encodeTableDefinition(table.definition), table.definitionPages);
        for (size_t i = 0; i < pages.size(); ++i)
            file.write(table.definitionPages[i], pages[i]);
    }
}

// Written last: it lists every page of the file as used.
void DatabaseWriter::writeGlobalUsageMap(PageFile &file)
{
    DataPage page(GlobalUsageMapPage, GlobalUsageMapOwner);
    const UsageMapRow freePages = freePagesMap(file);
    const UsageMapRow unused{};
    page.add(freePages.data(), freePages.size());
    page.add(unused.data(), unused.size());
    file.write(page.number(), page.bytes());
}

} // namespace mdbwrite

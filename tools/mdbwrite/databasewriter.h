#pragma once

// Lays out a whole file: header, global usage map, the catalog, the usage-map rows, every
// table's definition and data, and writes the pages that depend on the data last.

#include "pagefile.h"
#include "sourceschema.h"
#include "tabledefinition.h"
#include "tablelayout.h"
#include "tablewriter.h"

#include <sqlite3.h>

#include <string>
#include <vector>

namespace mdbwrite {

class DatabaseWriter
{
public:
    // `password` is at most 20 UTF-16 units; `creationDate` a Date/Time value.
    DatabaseWriter(sqlite3 *db, std::u16string password, double creationDate);

    void write(const std::string &path);

private:
    struct Table {
        std::string name;
        TableLayout layout;
        std::vector<uint32_t> definitionPages;
        TableDefinition definition;
        TableContent content;
    };

    void planUsageMapRows(PageFile &file);
    void planDefinitions(PageFile &file);
    void writeCatalog(PageFile &file);
    void writeUserTables(PageFile &file);
    void writeUsageMapRows(PageFile &file);
    void writeDefinitions(PageFile &file);
    void writeGlobalUsageMap(PageFile &file);

    sqlite3 *m_db;
    std::u16string m_password;
    double m_creationDate;
    std::vector<SourceTable> m_sources;
    std::vector<Table> m_tables; // the catalog first, then the user tables in source order
    std::vector<uint32_t> m_usageMapPages;
};

} // namespace mdbwrite

#include "catalogue/tablepreload.h"

#include "catalogue/catalogueerror.h"
#include "catalogue/private/jettable.h"
#include "catalogue/private/logging.h"
#include "catalogue/private/preloadplan.h"
#include "catalogue/private/tableloader.h"

namespace catalogue {

TablePreload::TablePreload(std::unique_ptr<Plan> plan)
    : m_plan(std::move(plan))
{
}

TablePreload::~TablePreload() = default;

void TablePreload::run()
{
    if (m_plan->connection)
        return;
    // A file and a connection of its own: libmdb's handle and SQLite's
    // connection belong to one thread at a time.
    const JetFile file(m_plan->path, m_plan->header);
    JetTable table(file, m_plan->entry);
    auto connection = std::make_unique<SqliteConnection>(m_plan->databaseName);
    try {
        loadTable(table, *connection, m_plan->indexes);
    } catch (const CatalogueError &error) {
        qCWarning(lcCatalogue) << "table" << table.name() << "not preloaded -" << error.message();
        throw;
    }
    m_plan->connection = std::move(connection);
}

} // namespace catalogue

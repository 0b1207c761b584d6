#pragma once

#include <memory>

#include <QString>

namespace catalogue {

// A table of a catalogue read ahead of its first statement, on whatever
// thread runs it, into an in-memory database of its own. Reading it never
// touches the catalogue it came from, so statements there go on meanwhile;
// Database::adopt then takes the table in at once. Made by
// Database::preload.
class TablePreload
{
public:
    ~TablePreload();
    TablePreload(const TablePreload &) = delete;
    TablePreload &operator=(const TablePreload &) = delete;

    // Reads the table from the file, once. Throws CatalogueError for a
    // damaged table, as a statement naming it would.
    void run();

private:
    friend class Database;
    struct Plan;

    explicit TablePreload(std::unique_ptr<Plan> plan);

    std::unique_ptr<Plan> m_plan;
};

} // namespace catalogue

#pragma once

namespace catalogue {
class Database;
}

namespace testsupport {

// Sends every statement the program sends, as a whole run of it would
// (lists, search, record card positioned on the first offer found, its
// qualities and photos), and reads every field of every row. Throws
// CatalogueError where the engine refuses. What the fuzz target does with
// each input and the damaged-file regression with each file.
void sendEveryStatement(catalogue::Database &database);

} // namespace testsupport

#pragma once

#include <sqlite3.h>

#include "catalogue/catalogueerror.h"
#include "catalogue/private/engineonly.h"

namespace catalogue {

// The error for a statement that SQLite refused or could not run, its
// explanation put into Spanish where it is one of the usual ones.
CatalogueError statementError(sqlite3 *db);

} // namespace catalogue

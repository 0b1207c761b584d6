#pragma once

#include <sqlite3.h>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// The collation name every text column of the loaded catalogue declares.
inline constexpr const char *SpanishCollationName = "ES";

// Teaches a connection what the statements need beyond SQLite's own
// dialect: the collation ES (compareSpanish) and Format(value, pattern).
void registerCatalogueExtensions(sqlite3 *db);

} // namespace catalogue

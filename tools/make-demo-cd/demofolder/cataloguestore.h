#pragma once

#include "demofolder/catalogueplan.h"

#include <QString>

struct sqlite3;

namespace demofolder {

// The catalogue's database password.
inline constexpr char CataloguePassword[] = "pinoverdes_";

// Creates the catalogue tables in `db` and inserts every row of the plan.
// Throws DemoError when SQLite refuses a statement.
void fillCatalogue(sqlite3 *db, const CataloguePlan &plan);

// Writes the plan as the password-protected Jet catalogue at `path`, dated
// with the plan's creation date so that the same plan gives the same bytes.
void writeCatalogueFile(const CataloguePlan &plan, const QString &path);

} // namespace demofolder

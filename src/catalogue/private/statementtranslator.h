#pragma once

#include <QString>
#include <QStringList>

#include "catalogue/private/engineonly.h"

namespace catalogue {

class StoredNames;

struct TranslatedStatement
{
    QString sql;         // the statement in SQLite's dialect
    QStringList tables;  // stored names of the catalogue tables it names
    QString tieBreaker;  // appended to `sql`, rows of equal sort keys keep the file's order; may be empty
};

// Rewrites a statement token by token, never inside a literal: "double
// quoted" literals become 'single quoted' ones, [bracketed] names quoted
// identifiers, and names of tables and columns take their stored spelling.
// Everything else is passed on as written.
TranslatedStatement translateStatement(const QString &statement, const StoredNames &names);

} // namespace catalogue

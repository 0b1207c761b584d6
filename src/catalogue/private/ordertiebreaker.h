#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "catalogue/private/engineonly.h"

namespace catalogue {

class StoredNames;
struct SqlToken;

// SQLite leaves the order of rows with equal sort keys to its query plan,
// and two statements over the same offers (the result pages and the record
// card) may get different plans. When every ORDER BY term is a column of one
// catalogue table, this returns `,"table".rowid`, which the caller appends:
// equal keys then come in the file's natural order of that table, in every
// statement alike. Empty when the statement is not of that simple shape
// (DISTINCT, grouping, compound selects, expressions, several tables).
// SQLite gives no rowid to a table inside a parenthesised join, so there
// the caller runs the statement without it and ties follow the plan:
// statements that must agree on their order sort by a key of their own.
QString orderTieBreaker(const std::vector<SqlToken> &tokens, const StoredNames &names,
                        const QStringList &tables);

} // namespace catalogue

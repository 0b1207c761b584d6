#pragma once

#include <QString>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// A table or column name as an SQLite identifier: in double quotes, inner
// quotes doubled.
QString quotedName(const QString &name);

// Whether SQLite reserves this word (SELECT, ORDER, DESC...).
bool isSqlKeyword(const QString &word);

} // namespace catalogue

#include "catalogue/private/sqlnames.h"

#include <sqlite3.h>

namespace catalogue {

QString quotedName(const QString &name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool isSqlKeyword(const QString &word)
{
    const QByteArray utf8 = word.toUtf8();
    return sqlite3_keyword_check(utf8.constData(), int(utf8.size())) != 0;
}

} // namespace catalogue

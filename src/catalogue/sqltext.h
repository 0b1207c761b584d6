#pragma once

#include <QString>

namespace catalogue {

// A text as a literal of the statements: in single quotes, a quote inside
// doubled ("L'Alfàs" -> 'L''Alfàs'), so a name can never end the literal.
inline QString textLiteral(const QString &value)
{
    QString quoted = value;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

} // namespace catalogue

#pragma once

#include <functional>

#include <QStringList>

namespace catalogue {
class Recordset;
}

namespace testsupport {

// Calls `visit` on every row from the current one to the end. Throws when
// the set has not reached its end after RecordCount() moves, so a fault that
// keeps a record-set loop from ending fails at once.
void forEachRow(catalogue::Recordset &recordset, const std::function<void()> &visit);

// The value of field `name` (the first field when empty) as text, in every
// row from the current one to the end.
QStringList fieldTexts(catalogue::Recordset &recordset, const QString &name = QString());

} // namespace testsupport

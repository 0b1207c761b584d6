#include "recordsetrows.h"

#include <stdexcept>

#include "catalogue/recordset.h"

namespace testsupport {

void forEachRow(catalogue::Recordset &recordset, const std::function<void()> &visit)
{
    for (int moves = 0; !recordset.Eof(); recordset.MoveNext(), ++moves) {
        if (moves == recordset.RecordCount())
            throw std::logic_error("the record set does not reach its end");
        visit();
    }
}

QStringList fieldTexts(catalogue::Recordset &recordset, const QString &name)
{
    const QString field = name.isEmpty() ? recordset.FieldName(0) : name;
    QStringList texts;
    forEachRow(recordset, [&] { texts << recordset.Fields(field).Value.toString(); });
    return texts;
}

} // namespace testsupport

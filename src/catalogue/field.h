#pragma once

#include <QString>
#include <QVariant>

namespace catalogue {

// One field of a record set's current row. Value.isNull() for Null; Boolean
// columns give bool, whole numbers int or qlonglong, Double and Currency
// double, texts QString, dates QDateTime (in UTC: Jet dates have no time
// zone, so the wall-clock value is kept exactly).
struct Field
{
    QString Name;
    QVariant Value;
};

} // namespace catalogue

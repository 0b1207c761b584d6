#pragma once

#include <QVariant>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// The rows behind a record set: how many there are, and one value, decoded
// when it is asked for.
class RecordRows
{
public:
    virtual ~RecordRows() = default;
    virtual qsizetype count() const = 0;
    virtual QVariant value(qsizetype row, int column) const = 0;
};

} // namespace catalogue

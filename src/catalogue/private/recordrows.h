#pragma once

#include <QVariant>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// The rows behind a record set: how many have been read, one value, decoded
// when it is asked for, and the reading of more. Rows may be read as they
// are needed, so that the first page of a large result is there long before
// its last row; rows read stay.
class RecordRows
{
public:
    virtual ~RecordRows() = default;
    virtual qsizetype count() const = 0;
    virtual QVariant value(qsizetype row, int column) const = 0;
    // Reads until row `row` is there or no row is left. Throws
    // CatalogueError when the statement fails while running.
    virtual void readTo(qsizetype row) { Q_UNUSED(row); }
};

} // namespace catalogue

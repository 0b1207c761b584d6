#pragma once

// Builds the bytes of one row: column count, fixed area, variable values with their
// offsets, and the null mask.

#include "cell.h"
#include "tablelayout.h"

#include <cstdint>
#include <vector>

namespace mdbwrite {

// Where a long value lives when it is not inside its row.
struct LongValueRef {
    uint8_t kind = 0;      // 0x40 one long-value row, 0x00 a chain of them
    uint32_t pointer = 0;  // row pointer to the (first) long-value row
};

class LongValueSink
{
public:
    virtual ~LongValueSink() = default;
    virtual LongValueRef storeLongValue(size_t column, const std::vector<uint8_t> &bytes) = 0;
};

class RowEncoder
{
public:
    explicit RowEncoder(const TableLayout &layout);

    // Long values over 64 bytes go to the sink; more follow, largest first, while the row
    // is too long. Throws ValueError when the row cannot fit a page even then.
    void encode(const std::vector<Cell> &cells, LongValueSink &sink, std::vector<uint8_t> &row);

private:
    size_t rowSize(const std::vector<Cell> &cells) const;

    const TableLayout &m_layout;
    std::vector<bool> m_inline; // per column: long value kept inside the row
};

} // namespace mdbwrite

#pragma once

// Where each column of a table lives in a row: its number, its place among the variable
// columns and its offset in the fixed area.

#include "jetcolumn.h"

#include <cstdint>
#include <vector>

namespace mdbwrite {

class TableLayout
{
public:
    explicit TableLayout(std::vector<JetColumn> columns);

    const std::vector<JetColumn> &columns() const { return m_columns; }
    size_t columnCount() const { return m_columns.size(); }
    // Variable column: its index among the variable columns. Fixed column: how many
    // variable columns come before it.
    uint16_t variableIndex(size_t column) const { return m_variableIndex[column]; }
    uint16_t fixedOffset(size_t column) const { return m_fixedOffset[column]; }
    uint16_t variableCount() const { return m_variableCount; }
    uint16_t fixedAreaSize() const { return m_fixedAreaSize; }
    const std::vector<size_t> &longValueColumns() const { return m_longValueColumns; }

private:
    std::vector<JetColumn> m_columns;
    std::vector<uint16_t> m_variableIndex;
    std::vector<uint16_t> m_fixedOffset;
    std::vector<size_t> m_longValueColumns;
    uint16_t m_variableCount = 0;
    uint16_t m_fixedAreaSize = 0;
};

} // namespace mdbwrite

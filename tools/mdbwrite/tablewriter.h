#pragma once

// Streams the rows of one table onto data pages in order, its long values onto pages of
// their own.

#include "datapage.h"
#include "longvaluestore.h"
#include "pagefile.h"
#include "rowencoder.h"
#include "tablelayout.h"

#include <memory>
#include <vector>

namespace mdbwrite {

struct TableContent {
    uint32_t rowCount = 0;
    std::vector<uint32_t> dataPages;                   // ascending
    std::vector<std::vector<uint32_t>> longValuePages; // per long-value column, in column order
};

class TableWriter : private LongValueSink
{
public:
    TableWriter(PageFile &file, const TableLayout &layout, uint32_t definitionPage);

    // Throws ValueError when the row cannot be stored.
    void addRow(const std::vector<Cell> &cells);
    TableContent finish();

private:
    LongValueRef storeLongValue(size_t column, const std::vector<uint8_t> &bytes) override;
    void closePage();

    PageFile &m_file;
    const TableLayout &m_layout;
    uint32_t m_definitionPage;
    RowEncoder m_encoder;
    std::vector<LongValueStore> m_longValues;
    std::unique_ptr<DataPage> m_open;
    std::vector<uint8_t> m_row;
    TableContent m_content;
};

} // namespace mdbwrite

#pragma once

// Long values (memos) that do not stay inside their row: one row on a long-value page, or a
// chain of rows when they are longer than a page.

#include "datapage.h"
#include "pagefile.h"
#include "rowencoder.h"

#include <memory>
#include <vector>

namespace mdbwrite {

class LongValueStore
{
public:
    explicit LongValueStore(PageFile &file);

    LongValueRef store(const std::vector<uint8_t> &bytes);
    // Writes the page still open.
    void finish();
    // Every long-value page this store filled, ascending.
    const std::vector<uint32_t> &pages() const { return m_pages; }

private:
    uint32_t addRow(const uint8_t *row, size_t rowBytes);

    PageFile &m_file;
    std::unique_ptr<DataPage> m_open;
    std::vector<uint32_t> m_pages;
    std::vector<uint8_t> m_chunk;
};

} // namespace mdbwrite

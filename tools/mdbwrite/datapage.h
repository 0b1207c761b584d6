#pragma once

// A page of rows: rows are packed from the end of the page downwards, their start offsets
// listed after the 14-byte header.

#include "pageformat.h"

#include <cstdint>

namespace mdbwrite {

class DataPage
{
public:
    // Owner: the table's definition page, "LVAL" for long values, 0 for usage maps.
    DataPage(uint32_t number, uint32_t owner);

    static constexpr uint32_t LongValueOwner = 0x4C41564C; // "LVAL"

    bool fits(size_t rowBytes) const;
    // Returns the row's number on the page; the row must fit.
    uint8_t add(const uint8_t *row, size_t rowBytes);

    uint32_t number() const { return m_number; }
    size_t rowCount() const { return m_rowCount; }
    const Page &bytes() const { return m_page; }

private:
    Page m_page{};
    uint32_t m_number;
    size_t m_rowCount = 0;
    size_t m_free;
    size_t m_rowStart = PageSize;
};

} // namespace mdbwrite

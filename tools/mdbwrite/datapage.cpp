#include "datapage.h"

#include "littleendian.h"

#include <cassert>
#include <cstring>

namespace mdbwrite {

namespace {

constexpr size_t HeaderSize = 14;
constexpr size_t SlotSize = 2;

} // namespace

DataPage::DataPage(uint32_t number, uint32_t owner)
    : m_number(number)
    , m_free(PageSize - HeaderSize)
{
    m_page[0] = 0x01;
    m_page[1] = 0x01;
    put16(&m_page[2], static_cast<uint16_t>(m_free));
    put32(&m_page[4], owner);
}

bool DataPage::fits(size_t rowBytes) const
{
    return m_rowCount < MaxRowsPerPage && rowBytes + SlotSize <= m_free;
}

uint8_t DataPage::add(const uint8_t *row, size_t rowBytes)
{
    assert(fits(rowBytes));
    m_rowStart -= rowBytes;
    std::memcpy(&m_page[m_rowStart], row, rowBytes);
    put16(&m_page[HeaderSize + SlotSize * m_rowCount], static_cast<uint16_t>(m_rowStart));
    m_free -= rowBytes + SlotSize;
    ++m_rowCount;
    put16(&m_page[2], static_cast<uint16_t>(m_free));
    put16(&m_page[12], static_cast<uint16_t>(m_rowCount));
    return static_cast<uint8_t>(m_rowCount - 1);
}

} // namespace mdbwrite

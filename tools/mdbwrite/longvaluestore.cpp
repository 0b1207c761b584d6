#include "longvaluestore.h"

#include "littleendian.h"

namespace mdbwrite {

namespace {

// A value up to this size is one row filling at most a whole page.
constexpr size_t MaxSingleRow = 4076;
// Chunks of a chain start with the row pointer of the next chunk.
constexpr size_t MaxChunk = MaxSingleRow - 4;
constexpr uint8_t SingleRow = 0x40;
constexpr uint8_t Chain = 0x00;

} // namespace

LongValueStore::LongValueStore(PageFile &file)
    : m_file(file)
{
}

uint32_t LongValueStore::addRow(const uint8_t *row, size_t rowBytes)
{
    if (!m_open || !m_open->fits(rowBytes)) {
        finish();
        m_open = std::make_unique<DataPage>(m_file.allocate(), DataPage::LongValueOwner);
        m_pages.push_back(m_open->number());
    }
    const uint8_t number = m_open->add(row, rowBytes);
    return rowPointer(m_open->number(), number);
}

LongValueRef LongValueStore::store(const std::vector<uint8_t> &bytes)
{
    if (bytes.size() <= MaxSingleRow)
        return {SingleRow, addRow(bytes.data(), bytes.size())};

    // Written last chunk first, so that each chunk knows where the next one went.
    const size_t chunks = (bytes.size() + MaxChunk - 1) / MaxChunk;
    uint32_t next = 0;
    for (size_t i = chunks; i-- > 0;) {
        const size_t begin = i * MaxChunk;
        const size_t length = std::min(MaxChunk, bytes.size() - begin);
        m_chunk.resize(4 + length);
        put32(m_chunk.data(), next);
        std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                  bytes.begin() + static_cast<std::ptrdiff_t>(begin + length), m_chunk.begin() + 4);
        next = addRow(m_chunk.data(), m_chunk.size());
    }
    return {Chain, next};
}

void LongValueStore::finish()
{
    if (m_open)
        m_file.write(m_open->number(), m_open->bytes());
    m_open.reset();
}

} // namespace mdbwrite

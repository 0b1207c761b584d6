#include "rowencoder.h"

#include "littleendian.h"
#include "pageformat.h"
#include "valueerror.h"

#include <string>

namespace mdbwrite {

namespace {

constexpr size_t LongValueHeader = 12;
constexpr size_t MaxInlineLongValue = 64;
constexpr uint8_t Inline = 0x80;

void appendLongValueHeader(std::vector<uint8_t> &row, size_t length, LongValueRef ref)
{
    const size_t at = row.size();
    row.resize(at + LongValueHeader, 0);
    put24(&row[at], static_cast<uint32_t>(length));
    row[at + 3] = ref.kind;
    put32(&row[at + 4], ref.pointer);
}

} // namespace

RowEncoder::RowEncoder(const TableLayout &layout)
    : m_layout(layout)
    , m_inline(layout.columnCount(), false)
{
}

size_t RowEncoder::rowSize(const std::vector<Cell> &cells) const
{
    size_t size = 2 + m_layout.fixedAreaSize() + (m_layout.columnCount() + 7) / 8;
    if (m_layout.variableCount() > 0)
        size += 4 + 2 * size_t{m_layout.variableCount()};
    for (size_t c = 0; c < cells.size(); ++c) {
        const JetType type = m_layout.columns()[c].type;
        if (!cells[c].present || !isVariable(type))
            continue;
        if (isLongValue(type))
            size += LongValueHeader + (m_inline[c] ? cells[c].bytes.size() : 0);
        else
            size += cells[c].bytes.size();
    }
    return size;
}

void RowEncoder::encode(const std::vector<Cell> &cells, LongValueSink &sink, std::vector<uint8_t> &row)
{
    const std::vector<JetColumn> &columns = m_layout.columns();
    for (size_t c : m_layout.longValueColumns())
        m_inline[c] = cells[c].present && cells[c].bytes.size() <= MaxInlineLongValue;

    size_t size = rowSize(cells);
    while (size > MaxRowBytes) {
        size_t largest = columns.size();
        for (size_t c : m_layout.longValueColumns()) {
            if (m_inline[c] && !cells[c].bytes.empty()
                && (largest == columns.size() || cells[c].bytes.size() > cells[largest].bytes.size()))
                largest = c;
        }
        if (largest == columns.size())
            throw ValueError("the row needs " + std::to_string(size) + " bytes, more than the "
                             + std::to_string(MaxRowBytes) + " a row can hold");
        m_inline[largest] = false;
        size = rowSize(cells);
    }

    row.assign(2 + m_layout.fixedAreaSize(), 0);
    put16(row.data(), static_cast<uint16_t>(columns.size()));
    std::vector<uint8_t> mask((columns.size() + 7) / 8, 0);
    std::vector<uint16_t> offsets;
    for (size_t c = 0; c < columns.size(); ++c) {
        const Cell &cell = cells[c];
        const JetType type = columns[c].type;
        if (cell.present)
            mask[c / 8] = static_cast<uint8_t>(mask[c / 8] | 1u << (c % 8));
        if (!isVariable(type)) {
            if (cell.present && type != JetType::Boolean)
                std::copy(cell.bytes.begin(), cell.bytes.end(), row.begin() + 2 + m_layout.fixedOffset(c));
            continue;
        }
        offsets.push_back(static_cast<uint16_t>(row.size()));
        if (!cell.present)
            continue;
        if (!isLongValue(type)) {
            row.insert(row.end(), cell.bytes.begin(), cell.bytes.end());
        } else if (m_inline[c]) {
            appendLongValueHeader(row, cell.bytes.size(), {Inline, 0});
            row.insert(row.end(), cell.bytes.begin(), cell.bytes.end());
        } else {
            appendLongValueHeader(row, cell.bytes.size(), sink.storeLongValue(c, cell.bytes));
        }
    }
    if (!offsets.empty()) {
        const size_t at = row.size();
        row.resize(at + 4 + 2 * offsets.size());
        put16(&row[at], static_cast<uint16_t>(at)); // end of the variable data
        for (size_t i = 0; i < offsets.size(); ++i)
            put16(&row[at + 2 + 2 * i], offsets[offsets.size() - 1 - i]);
        put16(&row[at + 2 + 2 * offsets.size()], static_cast<uint16_t>(offsets.size()));
    }
    row.insert(row.end(), mask.begin(), mask.end());
}

} // namespace mdbwrite

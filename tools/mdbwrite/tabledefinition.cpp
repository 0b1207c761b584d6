#include "tabledefinition.h"

#include "littleendian.h"
#include "textstorage.h"

#include <algorithm>
#include <cstring>

namespace mdbwrite {

namespace {

constexpr size_t HeaderSize = 0x3F;
constexpr size_t DescriptorSize = 25;
constexpr size_t PageHeaderSize = 8;
constexpr uint8_t UserTable = 0x4E;
constexpr uint8_t SystemTable = 0x53;
constexpr uint32_t ConstantTag = 0x0659;

void append16(std::vector<uint8_t> &out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void append32(std::vector<uint8_t> &out, uint32_t value)
{
    append16(out, static_cast<uint16_t>(value));
    append16(out, static_cast<uint16_t>(value >> 16));
}

void appendDescriptor(std::vector<uint8_t> &out, const TableLayout &layout, size_t c)
{
    const JetColumn &column = layout.columns()[c];
    const auto number = static_cast<uint16_t>(c);
    out.push_back(static_cast<uint8_t>(column.type));
    append32(out, ConstantTag);
    append16(out, number);
    append16(out, layout.variableIndex(c));
    append16(out, number);
    append32(out, column.sortOrder ? 0x0409 : 0);
    out.push_back(column.flags);
    out.push_back(column.compressible ? 0x01 : 0x00);
    append32(out, 0);
    append16(out, layout.fixedOffset(c));
    append16(out, column.length);
}

} // namespace

std::vector<uint8_t> encodeTableDefinition(const TableDefinition &definition)
{
    const TableLayout &layout = *definition.layout;
    const auto columnCount = static_cast<uint16_t>(layout.columnCount());
    std::vector<uint8_t> out(HeaderSize, 0);
    out[0] = 0x02;
    out[1] = 0x01;
    put32(&out[0x0C], ConstantTag);
    put32(&out[0x10], definition.rowCount);
    out[0x18] = 0x01;
    out[0x28] = definition.system ? SystemTable : UserTable;
    put16(&out[0x29], columnCount);
    put16(&out[0x2B], layout.variableCount());
    put16(&out[0x2D], columnCount);
    put32(&out[0x37], definition.ownedPagesMap);
    put32(&out[0x3B], definition.freePagesMap);

    for (size_t c = 0; c < layout.columnCount(); ++c)
        appendDescriptor(out, layout, c);
    for (const JetColumn &column : layout.columns()) {
        std::vector<uint8_t> name;
        appendStoredText(storableText(column.name), false, name);
        append16(out, static_cast<uint16_t>(name.size()));
        out.insert(out.end(), name.begin(), name.end());
    }
    for (size_t i = 0; i < layout.longValueColumns().size(); ++i) {
        append16(out, static_cast<uint16_t>(layout.longValueColumns()[i]));
        append32(out, definition.longValueMaps.at(i).owned);
        append32(out, definition.longValueMaps.at(i).free);
    }
    append16(out, 0xFFFF);

    put32(&out[0x08], static_cast<uint32_t>(out.size()));
    return out;
}

size_t tableDefinitionPageCount(size_t definitionBytes)
{
    if (definitionBytes <= PageSize)
        return 1;
    const size_t perContinuation = PageSize - PageHeaderSize;
    return 1 + (definitionBytes - PageSize + perContinuation - 1) / perContinuation;
}

std::vector<Page> tableDefinitionPages(const std::vector<uint8_t> &definition,
                                       const std::vector<uint32_t> &numbers)
{
    std::vector<Page> pages(numbers.size());
    size_t at = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        Page &page = pages[i];
        // The definition's own first bytes hold the first page's header; continuation pages
        // get an 8-byte header of their own.
        const size_t header = i == 0 ? 0 : PageHeaderSize;
        const size_t length = std::min(PageSize - header, definition.size() - at);
        std::memcpy(page.data() + header, definition.data() + at, length);
        at += length;
        page[0] = 0x02;
        page[1] = 0x01;
        const size_t used = header + length;
        const bool last = i + 1 == pages.size();
        put16(&page[2], static_cast<uint16_t>(last && used + PageHeaderSize < PageSize
                                                  ? PageSize - PageHeaderSize - used
                                                  : 0));
        put32(&page[4], last ? 0 : numbers[i + 1]);
    }
    return pages;
}

} // namespace mdbwrite

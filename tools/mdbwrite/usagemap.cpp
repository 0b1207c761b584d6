#include "usagemap.h"

#include "littleendian.h"

#include <functional>

namespace mdbwrite {

namespace {

constexpr size_t InlineBits = 8 * (UsageMapRowBytes - 5);
constexpr uint32_t BitsPerMapPage = 8 * (PageSize - 4);
constexpr size_t MaxMapPages = (UsageMapRowBytes - 1) / 4;
constexpr uint8_t InlineMap = 0x00;
constexpr uint8_t ReferenceMap = 0x01;

void setBit(uint8_t *bitmap, uint32_t bit)
{
    bitmap[bit / 8] = static_cast<uint8_t>(bitmap[bit / 8] | 1u << (bit % 8));
}

UsageMapRow inlineMap(uint32_t start)
{
    UsageMapRow row{};
    row[0] = InlineMap;
    put32(&row[1], start);
    return row;
}

// Writes one bitmap page per region that has a page number in `regionPages` and returns the
// map row pointing to them; `fill` sets the bits of the region starting at page `first`.
UsageMapRow referenceMap(const std::vector<uint32_t> &regionPages,
                         const std::function<void(uint32_t first, uint8_t *bitmap)> &fill,
                         PageFile &file)
{
    UsageMapRow row{};
    row[0] = ReferenceMap;
    for (size_t region = 0; region < regionPages.size(); ++region) {
        if (regionPages[region] == 0)
            continue;
        Page page{};
        page[0] = 0x05;
        page[1] = 0x01;
        fill(static_cast<uint32_t>(region) * BitsPerMapPage, page.data() + 4);
        file.write(regionPages[region], page);
        put32(&row[1 + 4 * region], regionPages[region]);
    }
    return row;
}

} // namespace

UsageMapRow emptyUsageMap()
{
    return inlineMap(0);
}

UsageMapRow usageMapOf(const std::vector<uint32_t> &pages, PageFile &file)
{
    if (pages.empty())
        return emptyUsageMap();
    const uint32_t start = pages.front() / 8 * 8;
    if (pages.back() - start < InlineBits) {
        UsageMapRow row = inlineMap(start);
        for (uint32_t page : pages)
            setBit(&row[5], page - start);
        return row;
    }

    std::vector<uint32_t> regionPages(MaxMapPages, 0);
    for (uint32_t page : pages) {
        uint32_t &mapPage = regionPages[page / BitsPerMapPage];
        if (mapPage == 0)
            mapPage = file.allocate();
    }
    return referenceMap(
        regionPages,
        [&pages](uint32_t first, uint8_t *bitmap) {
            for (uint32_t page : pages) {
                if (page >= first && page - first < BitsPerMapPage)
                    setBit(bitmap, page - first);
            }
        },
        file);
}

UsageMapRow freePagesMap(PageFile &file)
{
    if (file.pageCount() <= InlineBits) {
        UsageMapRow row = inlineMap(0);
        for (uint32_t page = file.pageCount(); page < InlineBits; ++page)
            setBit(&row[5], page);
        return row;
    }

    // The bitmap pages are pages of the file too: allocate enough for the file they end.
    size_t regions = 0;
    while (regions * BitsPerMapPage < file.pageCount() + regions)
        ++regions;
    std::vector<uint32_t> regionPages(MaxMapPages, 0);
    for (size_t region = 0; region < regions; ++region)
        regionPages[region] = file.allocate();
    const uint32_t used = file.pageCount();
    return referenceMap(
        regionPages,
        [used](uint32_t first, uint8_t *bitmap) {
            for (uint32_t bit = 0; bit < BitsPerMapPage; ++bit) {
                if (first + bit >= used)
                    setBit(bitmap, bit);
            }
        },
        file);
}

} // namespace mdbwrite

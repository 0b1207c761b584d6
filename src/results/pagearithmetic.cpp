#include "results/pagearithmetic.h"

#include <algorithm>

#include <QtGlobal>

namespace results {

int pageCount(int n)
{
    // Division truncates towards zero, which is the ceiling below zero.
    const qint64 offers = n;
    return int(offers > 0 ? (offers + CellsPerPage - 1) / CellsPerPage : offers / CellsPerPage);
}

int clampPage(int page, int pages)
{
    return std::clamp(page, 0, std::max(pages - 1, 0));
}

} // namespace results

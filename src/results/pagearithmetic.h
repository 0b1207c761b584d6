#pragma once

// The result pages: twelve offers each, counted in 32-bit whole numbers.
namespace results {

constexpr int CellsPerPage = 12;

// The pages that `n` offers fill, the smallest whole number not below n / 12;
// also the 1-based page that holds the offer at 1-based position `n`.
int pageCount(int n);

// A 0-based page index brought within the `pages` pages there are.
int clampPage(int page, int pages);

} // namespace results

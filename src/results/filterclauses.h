#pragma once

#include <QString>

namespace results {

// What the filter controls of the results window hold when a search reads them.
struct FilterValues
{
    QString type;
    QString city;
    QString zone;
    QString lowestPrice; // digits as typed
    QString highestPrice;
    bool pool = false;
};

// The filter clauses that every search statement carries: each clause begins
// with " and " and the whole ends with one blank, so no filter at all is " ".
// Type and city always count; zone, price bounds and pool only with
// `includeAll`. Quotes inside a name are doubled.
QString filterClauses(const FilterValues &values, bool includeAll);

} // namespace results

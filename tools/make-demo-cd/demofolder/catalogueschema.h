#pragma once

#include <string>
#include <vector>

namespace demofolder {

// The CREATE TABLE statements of every catalogue table, in creation order
// (the order the Jet writer lays the tables out). Column types follow the
// writer's mapping: INTEGER = Long, SMALLINT = Integer, BOOLEAN = Yes/No,
// CURRENCY, DOUBLE, DATETIME, TEXT(n), MEMO. Test catalogues elsewhere run
// this same script so that they read exactly the tables the demo ships.
const std::string &catalogueSchemaSql();

// One quality of the record card: a Boolean column of `ofertas` and the text
// that `auxcalid` gives it.
struct QualityColumn
{
    const char *column;
    const char *texto;
};

// The qualities in the order of their `auxcalid` rows; each is a column of
// `ofertas` in catalogueSchemaSql().
const std::vector<QualityColumn> &qualityColumns();

} // namespace demofolder

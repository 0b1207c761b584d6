#pragma once

#include <string>

#include <mdbtools.h>

#include "catalogue/private/engineonly.h"
#include "catalogue/private/jetvalue.h"
#include "catalogue/private/longvaluereader.h"

namespace catalogue {

class JetFile;

// Turns the bytes of one field of the current row (on libmdb's page buffer)
// into a JetValue of the column's type: numbers as numbers, Currency exact
// for whole amounts, dates as ISO text, texts as UTF-16 (Jet 4) or UTF-8 (Jet 3).
class JetValueDecoder
{
public:
    explicit JetValueDecoder(const JetFile &file);

    // `rowEnd` is the page offset just past the row. Throws CatalogueError
    // for a field that claims bytes outside the row or too few for its type.
    void decode(const MdbColumn &column, const MdbField &field, int rowEnd, JetValue &out);

    // Before and after a reading of the whole table: the long-value rows
    // its values took are free again.
    void forgetLongValueRows() { m_longValues.forgetRows(); }

private:
    void decodeText(const unsigned char *data, int size, JetValue &out);
    void decodeMemo(const unsigned char *data, int size, JetValue &out);

    const JetFile &m_file;
    LongValueReader m_longValues;
    std::string m_memoBytes;
};

// Days since 1899-12-30 (the fraction the time of day) as "YYYY-MM-DD HH:MM:SS";
// false for a value outside the years 100 to 9999.
bool jetDateToIso(double days, std::string &out);

} // namespace catalogue

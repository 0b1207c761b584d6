#pragma once

#include <string>

#include <QtGlobal>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// One decoded cell of a Jet row, in the form SQLite takes it. Its buffers are
// reused from row to row, so loading a table allocates almost nothing.
struct JetValue
{
    enum class Kind { Null, Integer, Real, Text16, Text8, Blob };

    Kind kind = Kind::Null;
    qint64 integer = 0;
    double real = 0;
    std::u16string text16; // Jet 4 text, UTF-16 as stored
    std::string bytes;     // UTF-8 text (Jet 3, dates, numbers as text) or binary data

    void setNull() { kind = Kind::Null; }
    void setInteger(qint64 value) { kind = Kind::Integer; integer = value; }
    void setReal(double value) { kind = Kind::Real; real = value; }
};

} // namespace catalogue

#pragma once

#include <stdexcept>

namespace mdbwrite {

// A value that cannot be stored; the caller adds which table, row and column it came from.
class ValueError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace mdbwrite

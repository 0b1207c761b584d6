#pragma once

#include "pageformat.h"

#include <string>

namespace mdbwrite {

// Page 0: engine identification, format version, creation date and database password.
// The password is a stored field only: no page of the file is encrypted.
Page headerPage(const std::u16string &password, double creationDate);

} // namespace mdbwrite

#pragma once

#include <string>

#include <mdbtools.h>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// Jet 4 text as stored: UTF-16LE, or "compressed" when it starts with FF FE
// (one byte per character, a 00 byte switching to and from two-byte mode).
void decodeJet4Text(const unsigned char *data, int size, std::u16string &out);

// Jet 3 text is in the file's code page; libmdb converts it to UTF-8.
void decodeJet3Text(MdbHandle *mdb, const unsigned char *data, int size, std::string &out);

} // namespace catalogue

#pragma once

// Text as the file stores it: UTF-16 code units, optionally in the compressed form.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mdbwrite {

// Decodes UTF-8 text for storage. Throws ValueError on malformed UTF-8 or U+0000.
// A leading U+FEFF is dropped: readers take a value starting with it for compressed text.
std::u16string storableText(std::string_view utf8);

// Appends the stored bytes of a text or memo value: compressed when allowed and shorter,
// otherwise plain UTF-16LE.
void appendStoredText(const std::u16string &text, bool allowCompression, std::vector<uint8_t> &out);

} // namespace mdbwrite

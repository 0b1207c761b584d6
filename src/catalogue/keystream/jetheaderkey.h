#pragma once

// Page 0 of a Jet file from offset 0x18 on is XOR-ed with the RC4 stream of a
// fixed key. XOR is its own inverse: the same call hides and reveals it. Plain
// C++, shared by the catalogue reader and the tools' writer.

#include <cstddef>
#include <utility>

namespace catalogue {

constexpr std::size_t JetHeaderKeyStart = 0x18;

inline void xorJetHeaderKey(unsigned char *data, std::size_t length)
{
    const unsigned char key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    unsigned char s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

} // namespace catalogue

#include "headerpage.h"

#include "littleendian.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mdbwrite {

namespace {

constexpr size_t kObfuscatedStart = 0x18;
constexpr size_t kObfuscatedLength = 128;
constexpr size_t kPasswordOffset = 0x42;
constexpr size_t kPasswordBytes = 40;

// Readers XOR this block with the RC4 keystream of a fixed key before reading it.
void rc4Xor(uint8_t *data, size_t length)
{
    const uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    uint8_t state[256];
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<uint8_t>(j + state[i] + key[i % 4]);
        std::swap(state[i], state[j]);
    }
    uint8_t x = 0;
    uint8_t y = 0;
    for (size_t n = 0; n < length; ++n) {
        x = static_cast<uint8_t>(x + 1);
        y = static_cast<uint8_t>(y + state[x]);
        std::swap(state[x], state[y]);
        data[n] ^= state[static_cast<uint8_t>(state[x] + state[y])];
    }
}

// The password field is masked with the whole days of the creation date.
void putPassword(uint8_t *field, const std::u16string &password, double creationDate)
{
    std::memset(field, 0, kPasswordBytes);
    for (size_t i = 0; i < password.size() && 2 * i + 1 < kPasswordBytes; ++i)
        put16(field + 2 * i, password[i]);
    uint8_t mask[4];
    put32(mask, static_cast<uint32_t>(static_cast<int32_t>(std::trunc(creationDate))));
    for (size_t i = 0; i < kPasswordBytes; ++i)
        field[i] ^= mask[i % 4];
}

} // namespace

Page headerPage(const std::u16string &password, double creationDate)
{
    Page page{};
    uint8_t *p = page.data();
    p[1] = 0x01;
    std::memcpy(p + 0x04, "Standard Jet DB", 16);
    p[0x14] = 0x01; // Jet 4

    const uint8_t constantBlock[24] = {0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00,
                                       0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,
                                       0x04, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00};
    std::memcpy(p + 0x18, constantBlock, sizeof constantBlock);
    put16(p + 0x3C, 1252);      // code page
    put32(p + 0x3E, 0);         // database key 0: pages are not encrypted
    putPassword(p + kPasswordOffset, password, creationDate);
    put32(p + 0x6A, 0x11A6);
    put16(p + 0x6E, 0x0409);    // default sort order "General"
    putDouble(p + 0x72, creationDate);
    rc4Xor(p + kObfuscatedStart, kObfuscatedLength);

    const uint8_t versionTag[8] = {0x54, 0x06, 0x00, 0x00, 0x34, 0x2E, 0x30, 0x00};
    std::memcpy(p + 0x98, versionTag, sizeof versionTag);
    p[0xE00] = 0x01;
    p[0xE01] = 0x01;
    for (size_t at = 0xE02; at < kPageSize; at += 2)
        p[at + 1] = 0x01;
    return page;
}

} // namespace mdbwrite

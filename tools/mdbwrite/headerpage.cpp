#include "headerpage.h"

#include "jetheaderkey.h"
#include "littleendian.h"

#include <cmath>
#include <cstring>

namespace mdbwrite {

namespace {

constexpr size_t ObfuscatedLength = 128;
constexpr size_t PasswordOffset = 0x42;
constexpr size_t PasswordBytes = 40;

// The password field is masked with the whole days of the creation date.
void putPassword(uint8_t *field, const std::u16string &password, double creationDate)
{
    std::memset(field, 0, PasswordBytes);
    for (size_t i = 0; i < password.size() && 2 * i + 1 < PasswordBytes; ++i)
        put16(field + 2 * i, password[i]);
    uint8_t mask[4];
    put32(mask, static_cast<uint32_t>(static_cast<int32_t>(std::trunc(creationDate))));
    for (size_t i = 0; i < PasswordBytes; ++i)
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
    putPassword(p + PasswordOffset, password, creationDate);
    put32(p + 0x6A, 0x11A6);
    put16(p + 0x6E, 0x0409);    // default sort order "General"
    putDouble(p + 0x72, creationDate);
    catalogue::xorJetHeaderKey(p + catalogue::JetHeaderKeyStart, ObfuscatedLength);

    const uint8_t versionTag[8] = {0x54, 0x06, 0x00, 0x00, 0x34, 0x2E, 0x30, 0x00};
    std::memcpy(p + 0x98, versionTag, sizeof versionTag);
    p[0xE00] = 0x01;
    p[0xE01] = 0x01;
    for (size_t at = 0xE02; at < PageSize; at += 2)
        p[at + 1] = 0x01;
    return page;
}

} // namespace mdbwrite

#include "textstorage.h"

#include "valueerror.h"

namespace mdbwrite {

namespace {

// Readers state this limit for compressed values; longer ones are stored plain.
constexpr size_t MaxCompressedChars = 1024;
constexpr size_t MinCompressedChars = 3;

[[noreturn]] void malformed()
{
    throw ValueError("text is not valid UTF-8");
}

char32_t decodeOne(std::string_view utf8, size_t &at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(at);
    size_t extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        malformed();
    }
    if (at + extra >= utf8.size())
        malformed();
    for (size_t i = 1; i <= extra; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            malformed();
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        malformed();
    at += extra + 1;
    return code;
}

// In compressed text a zero byte switches between one-byte and two-byte characters, so a
// character whose low byte is zero cannot be written in either mode.
bool compressible(const std::u16string &text)
{
    for (char16_t c : text) {
        if ((c & 0xFF) == 0)
            return false;
    }
    return true;
}

bool oneByte(char16_t c)
{
    return c < 0x100;
}

size_t compressedSize(const std::u16string &text)
{
    size_t size = 2;
    bool single = true;
    for (char16_t c : text) {
        if (oneByte(c) != single) {
            single = !single;
            ++size;
        }
        size += single ? 1 : 2;
    }
    return size;
}

void appendCompressed(const std::u16string &text, std::vector<uint8_t> &out)
{
    out.push_back(0xFF);
    out.push_back(0xFE);
    bool single = true;
    for (char16_t c : text) {
        if (oneByte(c) != single) {
            single = !single;
            out.push_back(0x00);
        }
        out.push_back(static_cast<uint8_t>(c));
        if (!single)
            out.push_back(static_cast<uint8_t>(c >> 8));
    }
}

} // namespace

std::u16string storableText(std::string_view utf8)
{
    std::u16string text;
    text.reserve(utf8.size());
    size_t at = 0;
    while (at < utf8.size()) {
        const char32_t code = decodeOne(utf8, at);
        if (code == 0)
            throw ValueError("text contains the character U+0000");
        if (code >= 0x10000) {
            text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
    }
    if (!text.empty() && text.front() == 0xFEFF)
        text.erase(0, 1);
    return text;
}

void appendStoredText(const std::u16string &text, bool allowCompression, std::vector<uint8_t> &out)
{
    const bool compress = allowCompression && text.size() >= MinCompressedChars
        && text.size() <= MaxCompressedChars && compressible(text)
        && compressedSize(text) < 2 * text.size();
    if (compress) {
        appendCompressed(text, out);
        return;
    }
    for (char16_t c : text) {
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(static_cast<uint8_t>(c >> 8));
    }
}

} // namespace mdbwrite

#include "catalogue/private/jettext.h"

#include <mdbtools.h>

namespace catalogue {

void decodeJet4Text(const unsigned char *data, int size, std::u16string &out)
{
    out.clear();
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        bool oneByte = true;
        for (int i = 2; i < size;) {
            if (data[i] == 0) {
                oneByte = !oneByte;
                ++i;
            } else if (oneByte) {
                out.push_back(char16_t(data[i]));
                ++i;
            } else if (i + 1 < size) {
                out.push_back(char16_t(data[i] | (data[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
        return;
    }
    out.resize(size / 2);
    for (int i = 0; i + 1 < size; i += 2)
        out[i / 2] = char16_t(data[i] | (data[i + 1] << 8));
}

void decodeJet3Text(MdbHandle *mdb, const unsigned char *data, int size, std::string &out)
{
    // A code-page byte becomes at most three bytes of UTF-8.
    out.resize(size_t(size) * 3 + 1);
    const int length = mdb_unicode2ascii(mdb, reinterpret_cast<const char *>(data), size_t(size),
                                         out.data(), out.size());
    out.resize(size_t(length));
}

} // namespace catalogue

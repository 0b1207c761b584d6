#pragma once

#include <string>
#include <vector>

#include <QtGlobal>

#include "catalogue/private/engineonly.h"

namespace catalogue {

class JetFile;

// Reads memo values stored outside their row, on the file's long-value pages.
// libmdb's own memo reader follows a chain of pages without noticing a
// cycle; this one refuses pointers outside the file, pages that are not
// long-value pages and chains that come back on themselves.
class LongValueReader
{
public:
    explicit LongValueReader(const JetFile &file);

    // The stored bytes of the memo whose 12-byte header (and any inline data)
    // is `field`, `size` bytes long. Throws CatalogueError on a damaged value.
    void read(const unsigned char *field, int size, std::string &out);

private:
    // The bytes of one long-value row; valid until the next call.
    const unsigned char *row(quint32 pageRow, int &length);

    const JetFile &m_file;
    std::vector<unsigned char> m_page;
    quint32 m_cachedPage = 0;
};

} // namespace catalogue

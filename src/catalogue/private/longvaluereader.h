#pragma once

#include <string>
#include <vector>

#include <QtGlobal>

#include "catalogue/private/engineonly.h"

namespace catalogue {

class JetFile;

// Reads memo values stored outside their row, on the file's long-value pages.
// libmdb's own memo reader follows a chain of pages without noticing a
// cycle and takes whatever length the rows give; this one refuses pointers
// outside the file, pages that are not long-value pages, rows outside their
// page, a row that two values or one chain take twice, and a value whose
// bytes are not exactly as many as its header declares (which also catches
// a row whose start was moved into its neighbour).
class LongValueReader
{
public:
    explicit LongValueReader(const JetFile &file);

    // The stored bytes of the memo whose 12-byte header (and any inline data)
    // is `field`, `size` bytes long. Throws CatalogueError on a damaged value.
    void read(const unsigned char *field, int size, std::string &out);

    // A new reading of the table starts: the rows its values took so far
    // are free again.
    void forgetRows();

private:
    // The bytes of one long-value row, taken by the value being read; valid
    // until the next call.
    const unsigned char *takeRow(quint32 pageRow, int &length);
    [[noreturn]] void wrongLength() const;

    const JetFile &m_file;
    std::vector<unsigned char> m_page;
    quint32 m_cachedPage = 0;
    std::vector<bool> m_takenRows; // a bit per page and row number, made when a table's first value needs it
};

} // namespace catalogue

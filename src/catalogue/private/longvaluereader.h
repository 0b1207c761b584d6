#pragma once

#include <string>
#include <unordered_map>
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
    quint64 m_value = 0; // the number of the value being read
    std::unordered_map<quint32, quint64> m_rowOwners; // row pointer -> value number
};

} // namespace catalogue

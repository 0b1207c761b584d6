#pragma once

// The file being written: hands out page numbers and writes pages at their place in a
// temporary file beside the target, which replaces the target only once complete.

#include "pageformat.h"

#include <cstdio>
#include <string>

namespace mdbwrite {

class PageFile
{
public:
    explicit PageFile(std::string path);
    ~PageFile();
    PageFile(const PageFile &) = delete;
    PageFile &operator=(const PageFile &) = delete;

    // Throws WriteError once the file would pass the format's 2 GiB.
    uint32_t allocate();
    uint32_t pageCount() const { return m_pageCount; }
    void write(uint32_t number, const Page &page);
    // Moves the finished file to the target path.
    void commit();

private:
    std::string m_path;
    std::string m_temporaryPath;
    std::FILE *m_file = nullptr;
    uint32_t m_pageCount = 0;
};

} // namespace mdbwrite

#include "pagefile.h"

#include "mdbwriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace mdbwrite {

namespace {

std::string temporaryName(const std::string &path)
{
    std::random_device random;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08x.part", static_cast<unsigned>(random()));
    return path + suffix;
}

[[noreturn]] void failed(const std::string &what, const std::string &path)
{
    throw WriteError(what + " " + path + ": " + std::strerror(errno));
}

} // namespace

PageFile::PageFile(std::string path)
    : m_path(std::move(path))
{
    for (int attempt = 0; attempt < 8 && !m_file; ++attempt) {
        m_temporaryPath = temporaryName(m_path);
        m_file = std::fopen(m_temporaryPath.c_str(), "wbx");
        if (!m_file && errno != EEXIST)
            break;
    }
    if (!m_file)
        failed("cannot write", m_path);
}

PageFile::~PageFile()
{
    if (m_file) {
        std::fclose(m_file);
        std::remove(m_temporaryPath.c_str());
    }
}

uint32_t PageFile::allocate()
{
    if (m_pageCount >= MaxPages)
        throw WriteError("the database would be larger than 2 GiB, the limit of the format");
    return m_pageCount++;
}

void PageFile::write(uint32_t number, const Page &page)
{
    if (std::fseek(m_file, static_cast<long>(number) * static_cast<long>(PageSize), SEEK_SET) != 0
        || std::fwrite(page.data(), 1, page.size(), m_file) != page.size())
        failed("cannot write", m_path);
}

void PageFile::commit()
{
    const int closed = std::fclose(m_file);
    m_file = nullptr;
    std::error_code error;
    if (closed == 0)
        std::filesystem::rename(m_temporaryPath, m_path, error);
    if (closed != 0 || error) {
        const std::string reason = closed != 0 ? std::strerror(errno) : error.message();
        std::remove(m_temporaryPath.c_str());
        throw WriteError("cannot write " + m_path + ": " + reason);
    }
}

} // namespace mdbwrite

#include "catalogue/private/longvaluereader.h"

#include <cstring>
#include <unordered_set>

#include <QtEndian>
#include <mdbtools.h>

#include "catalogue/private/jetfile.h"

namespace catalogue {

namespace {

constexpr int MemoHeaderSize = 12;
constexpr quint32 InlineFlag = 0x80;
constexpr quint32 SingleRowFlag = 0x40;

} // namespace

LongValueReader::LongValueReader(const JetFile &file)
    : m_file(file)
{
}

const unsigned char *LongValueReader::row(quint32 pageRow, int &length)
{
    const quint32 page = pageRow >> 8;
    const int rowNumber = int(pageRow & 0xFF);
    MdbHandle *mdb = m_file.handle();
    const int pageSize = int(mdb->fmt->pg_size);
    if (page != m_cachedPage) {
        m_cachedPage = 0;
        m_file.readPage(page, m_page);
        if (m_page[0] != MDB_PAGE_DATA || std::memcmp(m_page.data() + 4, "LVAL", 4) != 0)
            m_file.damaged(QStringLiteral("la página %1 no guarda textos largos").arg(page));
        m_cachedPage = page;
    }
    const int countOffset = mdb->fmt->row_count_offset;
    const int rows = qFromLittleEndian<quint16>(m_page.data() + countOffset);
    if (rowNumber >= rows || countOffset + 2 + 2 * (rowNumber + 1) > pageSize)
        m_file.damaged(QStringLiteral("un texto largo señala una fila que no existe"));
    const int start = qFromLittleEndian<quint16>(m_page.data() + countOffset + 2 + 2 * rowNumber) & 0x1FFF;
    const int end = rowNumber == 0
        ? pageSize
        : qFromLittleEndian<quint16>(m_page.data() + countOffset + 2 * rowNumber) & 0x1FFF;
    if (start >= end || end > pageSize)
        m_file.damaged(QStringLiteral("una fila de texto largo está dañada"));
    length = end - start;
    return m_page.data() + start;
}

void LongValueReader::read(const unsigned char *field, int size, std::string &out)
{
    out.clear();
    if (size < MemoHeaderSize)
        return;
    const quint32 lengthWord = qFromLittleEndian<quint32>(field);
    const quint32 flags = lengthWord >> 24;
    const size_t storedLength = lengthWord & 0xFFFFFF;
    if (flags & InlineFlag) {
        out.assign(reinterpret_cast<const char *>(field) + MemoHeaderSize, size_t(size - MemoHeaderSize));
        return;
    }
    quint32 pointer = qFromLittleEndian<quint32>(field + 4);
    int length = 0;
    if (flags & SingleRowFlag) {
        const unsigned char *data = row(pointer, length);
        out.assign(reinterpret_cast<const char *>(data), qMin(size_t(length), storedLength));
        return;
    }
    if (flags != 0)
        m_file.damaged(QStringLiteral("un texto largo tiene un formato desconocido"));

    // A chain of rows: each starts with the pointer to the next one.
    std::unordered_set<quint32> visited;
    while (pointer != 0 && out.size() < storedLength) {
        if (!visited.insert(pointer).second)
            m_file.damaged(QStringLiteral("la cadena de un texto largo vuelve sobre sí misma"));
        const unsigned char *data = row(pointer, length);
        if (length < 4)
            m_file.damaged(QStringLiteral("una fila de texto largo está dañada"));
        out.append(reinterpret_cast<const char *>(data) + 4, size_t(length - 4));
        pointer = qFromLittleEndian<quint32>(data);
    }
    if (out.size() > storedLength)
        out.resize(storedLength);
}

} // namespace catalogue

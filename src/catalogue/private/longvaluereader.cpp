#include "catalogue/private/longvaluereader.h"

#include <cstring>

#include <QtEndian>
#include <mdbtools.h>

#include "catalogue/private/jetfile.h"

namespace catalogue {

namespace {

constexpr int MemoHeaderSize = 12;
constexpr int NextPointerSize = 4;
// The header's kinds: the bytes follow it in the row, fill one long-value
// row, or are a chain of rows.
constexpr quint32 InlineKind = 0x80;
constexpr quint32 SingleRowKind = 0x40;
constexpr quint32 ChainKind = 0x00;

} // namespace

LongValueReader::LongValueReader(const JetFile &file)
    : m_file(file)
{
}

void LongValueReader::forgetRows()
{
    m_takenRows = {};
}

void LongValueReader::wrongLength() const
{
    m_file.damaged(QStringLiteral("un texto largo no tiene la longitud que declara"));
}

const unsigned char *LongValueReader::takeRow(quint32 pageRow, int &length)
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
    // The page is in the file, so its rows have bits.
    if (m_takenRows.empty())
        m_takenRows.resize(size_t(m_file.header().pageCount) << 8);
    if (m_takenRows[pageRow])
        m_file.damaged(QStringLiteral("una fila de texto largo se usa dos veces"));
    m_takenRows[pageRow] = true;
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
    const size_t storedLength = lengthWord & 0xFFFFFF;
    quint32 pointer = qFromLittleEndian<quint32>(field + 4);
    int length = 0;
    switch (lengthWord >> 24) {
    case InlineKind:
        if (size_t(size - MemoHeaderSize) != storedLength)
            wrongLength();
        out.assign(reinterpret_cast<const char *>(field) + MemoHeaderSize, storedLength);
        return;
    case SingleRowKind: {
        const unsigned char *data = takeRow(pointer, length);
        if (size_t(length) != storedLength)
            wrongLength();
        out.assign(reinterpret_cast<const char *>(data), storedLength);
        return;
    }
    case ChainKind:
        // Each row starts with the pointer to the next one; the last holds 0.
        while (pointer != 0) {
            const unsigned char *data = takeRow(pointer, length);
            if (length < NextPointerSize || out.size() + size_t(length - NextPointerSize) > storedLength)
                wrongLength();
            out.append(reinterpret_cast<const char *>(data) + NextPointerSize, size_t(length - NextPointerSize));
            pointer = qFromLittleEndian<quint32>(data);
        }
        if (out.size() != storedLength)
            wrongLength();
        return;
    default:
        m_file.damaged(QStringLiteral("un texto largo tiene un formato desconocido"));
    }
}

} // namespace catalogue

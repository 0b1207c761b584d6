#include "largepng.h"

#include <QFile>
#include <QtEndian>

#include <zlib.h>

namespace testsupport {
namespace {

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char *type, const QByteArray &data)
{
    const QByteArray typed = QByteArray(type, 4) + data;
    const auto crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size())));
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc);
}

QByteArray signatureAndHeader(QSize size)
{
    // 8 bits, RGB, deflate, adaptive filters, not interlaced.
    const QByteArray header = bigEndian(quint32(size.width())) + bigEndian(quint32(size.height())) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header);
}

QByteArray end()
{
    return chunk("IEND", QByteArray());
}

// A row: its filter byte (none) and three black bytes a pixel.
QByteArray blackRow(int width)
{
    return QByteArray(1 + 3 * qsizetype(width), '\0');
}

} // namespace

QByteArray pngDeclaring(QSize size)
{
    const QByteArray row = blackRow(size.width());
    QByteArray compressed(qsizetype(compressBound(uLong(row.size()))), '\0');
    auto length = uLongf(compressed.size());
    compress(reinterpret_cast<Bytef *>(compressed.data()), &length, reinterpret_cast<const Bytef *>(row.constData()), uLong(row.size()));
    compressed.truncate(qsizetype(length));
    return signatureAndHeader(size) + chunk("IDAT", compressed) + end();
}

bool writeBlackPng(const QString &path, QSize size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(signatureAndHeader(size));
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    QByteArray row = blackRow(size.width());
    QByteArray out(1 << 16, '\0');
    // Every row goes through deflate; each filled output buffer is an IDAT.
    for (int y = 0; y <= size.height(); ++y) {
        const bool last = y == size.height();
        stream.next_in = reinterpret_cast<Bytef *>(row.data());
        stream.avail_in = last ? 0 : uInt(row.size());
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(out.size());
            deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
            const qsizetype produced = out.size() - qsizetype(stream.avail_out);
            if (produced > 0)
                file.write(chunk("IDAT", out.left(produced)));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    file.write(end());
    return file.flush();
}

} // namespace testsupport

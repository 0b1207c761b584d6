#include "hostilepictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
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

QByteArray littleEndian(quint32 value, int bytes)
{
    QByteArray data(4, '\0');
    qToLittleEndian(value, data.data());
    return data.left(bytes);
}

QByteArray bmp(QSize size, int height, int bits, int compression, const QList<QRgb> &palette, const QByteArray &pixels)
{
    QByteArray colours;
    for (const QRgb colour : palette) {
        const char entry[4] = {char(qBlue(colour)), char(qGreen(colour)), char(qRed(colour)), 0};
        colours.append(entry, 4);
    }
    const auto start = quint32(14 + 40 + colours.size());
    const QByteArray info = littleEndian(40, 4) + littleEndian(quint32(size.width()), 4) + littleEndian(quint32(height), 4)
        + littleEndian(1, 2) + littleEndian(quint32(bits), 2) + littleEndian(quint32(compression), 4)
        + littleEndian(quint32(pixels.size()), 4) + littleEndian(2835, 4) + littleEndian(2835, 4)
        + littleEndian(quint32(palette.size()), 4) + littleEndian(0, 4);
    return "BM" + littleEndian(start + quint32(pixels.size()), 4) + littleEndian(0, 4) + littleEndian(start, 4) + info + colours
        + pixels;
}

} // namespace

QByteArray pngDeclaring(QSize size, int depth, int colour)
{
    // One row: its filter byte (none) and black samples.
    const int channels = colour == 6 ? 4 : colour == 2 ? 3 : 1;
    const QByteArray row(1 + qsizetype(size.width()) * channels * depth / 8, '\0');
    QByteArray compressed(qsizetype(compressBound(uLong(row.size()))), '\0');
    auto length = uLongf(compressed.size());
    compress(reinterpret_cast<Bytef *>(compressed.data()), &length, reinterpret_cast<const Bytef *>(row.constData()), uLong(row.size()));
    compressed.truncate(qsizetype(length));
    // Deflate, adaptive filters, not interlaced.
    const QByteArray header = bigEndian(quint32(size.width())) + bigEndian(quint32(size.height())) + char(depth) + char(colour)
        + QByteArray(3, '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", compressed) + chunk("IEND", {});
}

QByteArray jpegDeclaring(QSize size, bool progressive)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QImageWriter writer(&file, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    QByteArray jpeg = file.data();
    // Segments from the start of image on, up to the frame (SOF0 or SOF2).
    for (qsizetype at = 2; at + 9 < jpeg.size();) {
        const auto marker = quint8(jpeg[at + 1]);
        if (marker == 0xC0 || marker == 0xC2) {
            qToBigEndian(quint16(size.height()), jpeg.data() + at + 5);
            qToBigEndian(quint16(size.width()), jpeg.data() + at + 7);
            break;
        }
        at += 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    }
    return jpeg;
}

QByteArray bmpOf(const QImage &image, bool topDown)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888).rgbSwapped();
    const qsizetype stride = (qsizetype(rgb.width()) * 3 + 3) / 4 * 4;
    QByteArray pixels;
    for (int row = 0; row < rgb.height(); ++row) {
        const int y = topDown ? row : rgb.height() - 1 - row;
        pixels += QByteArray(reinterpret_cast<const char *>(rgb.constScanLine(y)), stride);
    }
    return bmp(rgb.size(), topDown ? -rgb.height() : rgb.height(), 24, 0, {}, pixels);
}

QByteArray withPixelsPastEnd(QByteArray bmp)
{
    qToLittleEndian(quint32(bmp.size() + 1000), bmp.data() + 10);
    return bmp;
}

QByteArray rleBmp(QSize size, const QList<QRgb> &palette, const QByteArray &runs)
{
    return bmp(size, size.height(), 8, 1, palette, runs);
}

} // namespace testsupport

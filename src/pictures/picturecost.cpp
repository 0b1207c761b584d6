#include "pictures/picturecost.h"

#include <algorithm>

#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include "pictures/logging.h"

namespace modcol {
namespace {

// Rates measured with Qt 6.4 and libjpeg-turbo 2.1 on a two-core machine
// busy with other work, rounded up.
constexpr double SecondsPerJpegBlock = 15e-9;     // an 8 x 8 block entropy-decoded, whatever the output scale
constexpr double SecondsPerRawByte = 4e-9;        // a sample byte a whole decoder inflates or unpacks
constexpr double SecondsPerScaledRawByte = 6e-9;  // the same, scaled as it comes (PNG)
constexpr double SecondsPerHeldByte = 2e-9;       // a byte of a buffer filled, then read again to scale

// Bytes a pixel takes in the copy QImage::scaled makes of a picture decoded
// whole: 32 bits, or 64 for pictures of 16 bits a channel.
constexpr double ScaledCopyBytes = 4;
constexpr double WideScaledCopyBytes = 8;

PictureCost none(const QString &why)
{
    PictureCost cost;
    cost.kind = why;
    return cost;
}

// A decode that holds `bytes` at its peak and works `decoding` seconds
// besides filling and reading them.
PictureCost costed(PictureFormat format, QSize size, const QString &kind, double bytes, double decoding)
{
    PictureCost cost;
    cost.format = format;
    cost.size = size;
    cost.kind = kind;
    cost.bytes = bytes;
    cost.seconds = decoding + bytes * SecondsPerHeldByte;
    return cost;
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

// Whole decoders (PNG but for its inline scaling, BMP, the rest) hold the
// picture at its full size, then a copy of it to scale from.
PictureCost decodedWhole(PictureFormat format, QSize size, const QString &kind, double decodedBytesPerPixel,
                         double copyBytesPerPixel, double rawBytesPerPixel)
{
    const double pixels = double(size.width()) * size.height();
    return costed(format, size, kind, pixels * (decodedBytesPerPixel + copyBytesPerPixel),
                  pixels * rawBytesPerPixel * SecondsPerRawByte);
}

struct JpegComponent
{
    int h = 0; // sampling factors
    int v = 0;
};

// What libjpeg learns before its first scan: the frame, and how many
// components that scan holds.
struct JpegFrame
{
    quint8 marker = 0;
    QSize size;
    QList<JpegComponent> components;
    int firstScanComponents = 0;
};

// The frame of the JPEG `file`, its markers walked from the start to the
// first scan; an empty size and the reason in `why` when there is none.
JpegFrame readJpegFrame(QFile &file, QString &why)
{
    JpegFrame frame;
    file.seek(2);
    for (;;) {
        char byte = 0;
        // Bytes between segments are skipped, as libjpeg does.
        while (file.getChar(&byte) && quint8(byte) != 0xFF) {
        }
        while (file.getChar(&byte) && quint8(byte) == 0xFF) {
        }
        const quint8 marker = quint8(byte);
        if (file.atEnd() || marker == 0xD9) {
            why = QStringLiteral("a JPEG that ends before its first scan");
            return {};
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue; // markers without a segment
        uchar length[2];
        if (file.read(reinterpret_cast<char *>(length), 2) != 2 || qFromBigEndian<quint16>(length) < 2) {
            why = QStringLiteral("a JPEG with a damaged segment");
            return {};
        }
        const qint64 segmentLength = qFromBigEndian<quint16>(length) - 2;
        const bool isFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if ((!isFrame || frame.marker != 0) && marker != 0xDA) {
            file.skip(segmentLength);
            continue;
        }
        const QByteArray segment = file.read(segmentLength);
        const auto *bytes = reinterpret_cast<const uchar *>(segment.constData());
        if (marker == 0xDA) {
            if (frame.marker == 0 || segment.isEmpty()) {
                why = QStringLiteral("a JPEG with a scan before its frame");
                return {};
            }
            frame.firstScanComponents = bytes[0];
            return frame;
        }
        // Baseline, extended, progressive and their arithmetic-coded forms
        // of 8 bits a sample: what libjpeg reads.
        const bool readable = marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
        const int count = segment.size() >= 6 ? bytes[5] : 0;
        if (!readable || segment.size() < 6 || bytes[0] != 8) {
            why = QStringLiteral("a JPEG of a kind the decoder does not read");
            return {};
        }
        frame.marker = marker;
        frame.size = QSize(qFromBigEndian<quint16>(bytes + 3), qFromBigEndian<quint16>(bytes + 1));
        for (int c = 0; c < count && segment.size() >= 9 + 3 * c; ++c)
            frame.components.append({bytes[7 + 3 * c] >> 4, bytes[7 + 3 * c] & 0x0F});
        const bool sampled = std::all_of(frame.components.cbegin(), frame.components.cend(),
                                         [](JpegComponent c) { return c.h >= 1 && c.h <= 4 && c.v >= 1 && c.v <= 4; });
        if (frame.size.isEmpty() || count < 1 || count > 10 || frame.components.size() != count || !sampled) {
            why = QStringLiteral("a JPEG with a damaged frame");
            return {};
        }
    }
}

// libjpeg decodes every block of every component whatever the output scale,
// which Qt sets to an eighth at the least for a box much smaller than the
// picture. A progressive file, or one whose first scan does not hold every
// component, also keeps every coefficient of the picture until its last
// scan; arithmetic-coded ones are counted the same way (rare, and slow per
// coefficient).
PictureCost jpegCost(QFile &file)
{
    QString why;
    const JpegFrame frame = readJpegFrame(file, why);
    if (frame.size.isEmpty())
        return none(why);
    const bool progressive = frame.marker == 0xC2 || frame.marker == 0xCA;
    const bool arithmetic = frame.marker >= 0xC9;
    const bool scanned = frame.firstScanComponents < frame.components.size();
    int hMax = 1;
    int vMax = 1;
    for (const JpegComponent &component : frame.components) {
        hMax = qMax(hMax, component.h);
        vMax = qMax(vMax, component.v);
    }
    qint64 blocks = 0;
    qint64 buffered = 0; // rounded up to whole units, as libjpeg stores them
    for (const JpegComponent &component : frame.components) {
        const qint64 across = ceilDiv(qint64(frame.size.width()) * component.h, hMax * 8);
        const qint64 down = ceilDiv(qint64(frame.size.height()) * component.v, vMax * 8);
        blocks += across * down;
        buffered += ceilDiv(across, component.h) * component.h * ceilDiv(down, component.v) * component.v;
    }
    // An eighth of the picture at 32 bits a pixel; a grey one comes in 8
    // bits and is converted to scale.
    const double eighth = double(ceilDiv(frame.size.width(), 8)) * ceilDiv(frame.size.height(), 8);
    const double output = eighth * (frame.components.size() == 1 ? 1 + ScaledCopyBytes : ScaledCopyBytes);
    constexpr double CoefficientBytes = 64 * 2;
    const bool whole = progressive || arithmetic || scanned;
    const QString kind = progressive ? QStringLiteral("progressive JPEG")
        : arithmetic                 ? QStringLiteral("arithmetic-coded JPEG")
        : scanned                    ? QStringLiteral("JPEG scanned a component at a time")
                                     : QStringLiteral("JPEG");
    return costed(PictureFormat::Jpeg, frame.size, kind, output + (whole ? double(buffered) * CoefficientBytes : 0),
                  double(blocks) * SecondsPerJpegBlock);
}

// Qt decodes a non-interlaced PNG of 8 bits a channel in colour straight to
// the box's size, a row at a time; any other whole, grey and palette ones in
// 8 bits a pixel, 16-bit ones in 64.
PictureCost pngCost(const QByteArray &header)
{
    if (header.size() < 29 || header.mid(12, 4) != "IHDR")
        return none(QStringLiteral("a PNG without a header"));
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    const quint32 width = qFromBigEndian<quint32>(bytes + 16);
    const quint32 height = qFromBigEndian<quint32>(bytes + 20);
    const int depth = bytes[24];
    const int colour = bytes[25];
    const bool interlaced = bytes[28] != 0;
    const int channels = colour == 2 ? 3 : colour == 4 ? 2 : colour == 6 ? 4 : 1;
    const bool upTo8 = depth == 1 || depth == 2 || depth == 4 || depth == 8;
    const bool known = (colour == 0 && (upTo8 || depth == 16)) || (colour == 3 && upTo8)
        || ((colour == 2 || colour == 4 || colour == 6) && (depth == 8 || depth == 16));
    if (!known || width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return none(QStringLiteral("a PNG with a damaged header"));
    const QSize size{int(width), int(height)};
    const double raw = double(channels) * depth / 8;
    if (depth == 16)
        return decodedWhole(PictureFormat::Png, size, QStringLiteral("PNG of 16 bits a channel"), 8, WideScaledCopyBytes, raw);
    if (colour == 0 || colour == 3)
        return decodedWhole(PictureFormat::Png, size, QStringLiteral("grey or palette PNG"), 1, ScaledCopyBytes, raw);
    if (interlaced)
        return decodedWhole(PictureFormat::Png, size, QStringLiteral("interlaced PNG"), 4, ScaledCopyBytes, raw);
    return costed(PictureFormat::Png, size, QStringLiteral("PNG"), 0, double(width) * height * raw * SecondsPerScaledRawByte);
}

// Qt decodes a BMP whole: 32 bits a pixel, or 8 for palette ones, which it
// converts for scaling.
PictureCost bmpCost(const QByteArray &header, qint64 fileSize)
{
    if (header.size() < 26)
        return none(QStringLiteral("a BMP without a header"));
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    const quint32 dataOffset = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    const bool old = headerSize == 12; // OS/2's: 16-bit sizes, no compression
    if (!old && header.size() < 34)
        return none(QStringLiteral("a BMP without a header"));
    const qint64 width = old ? qFromLittleEndian<qint16>(bytes + 18) : qFromLittleEndian<qint32>(bytes + 18);
    const qint64 height = old ? qFromLittleEndian<qint16>(bytes + 20) : qFromLittleEndian<qint32>(bytes + 22);
    const int planes = qFromLittleEndian<quint16>(bytes + (old ? 22 : 26));
    const int bits = qFromLittleEndian<quint16>(bytes + (old ? 24 : 28));
    const quint32 compression = old ? 0 : qFromLittleEndian<quint32>(bytes + 30);
    const bool rle = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    const bool known = (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)
        && (compression == 0 || rle || (compression == 3 && (bits == 16 || bits == 32)));
    // A top-down BMP declares a negative height.
    if (!known || planes != 1 || width <= 0 || height == 0 || width > 0x7FFFFFFF || qAbs(height) > 0x7FFFFFFF)
        return none(QStringLiteral("a BMP with a damaged header"));
    const QSize size{int(width), int(qAbs(height))};
    // Qt's reader seeks to the data and reads what is there, leaving the rest
    // of the picture as its memory happened to be.
    const qint64 dataStart = qMax<qint64>(dataOffset, 14 + headerSize);
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    if (dataStart >= fileSize || (!rle && double(dataStart) + double(rowBytes) * size.height() > double(fileSize)))
        return none(QStringLiteral("a BMP whose pixel data runs past the end of the file"));
    PictureCost cost = decodedWhole(PictureFormat::Bmp, size, rle ? QStringLiteral("RLE BMP") : QStringLiteral("BMP"),
                                    bits >= 16 ? 4 : 1, ScaledCopyBytes, qMax(bits, 8) / 8.0);
    cost.leavesPixelsUnset = rle;
    return cost;
}

} // namespace

bool openPictureFile(QFile &file, QIODevice::OpenMode mode)
{
    if (!file.fileName().isEmpty() && QFileInfo(file.fileName()).isFile() && file.open(mode))
        return true;
    qCDebug(lcPictures) << "no picture file" << file.fileName() << file.errorString();
    return false;
}

PictureCost pictureCost(QFile &file)
{
    const QByteArray header = file.peek(34);
    if (header.startsWith("\xFF\xD8\xFF"))
        return jpegCost(file);
    if (header.startsWith("\x89PNG\r\n\x1A\n"))
        return pngCost(header);
    if (header.startsWith("BM"))
        return bmpCost(header, file.size());
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (size.isEmpty())
        return none(reader.errorString());
    return decodedWhole(PictureFormat::Other, size, QString::fromLatin1(reader.format()), 4, ScaledCopyBytes, 4);
}

} // namespace modcol

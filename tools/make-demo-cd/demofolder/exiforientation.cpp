#include "demofolder/exiforientation.h"

namespace demofolder {

namespace {

int byteAt(const QByteArray &bytes, qsizetype pos)
{
    return static_cast<unsigned char>(bytes.at(pos));
}

// Length field of the segment whose marker starts at pos (it counts itself).
int segmentLength(const QByteArray &bytes, qsizetype pos)
{
    return (byteAt(bytes, pos + 2) << 8) | byteAt(bytes, pos + 3);
}

bool isAppSegment(const QByteArray &bytes, qsizetype pos)
{
    return pos + 4 <= bytes.size() && byteAt(bytes, pos) == 0xFF && (byteAt(bytes, pos + 1) & 0xF0) == 0xE0
           && segmentLength(bytes, pos) >= 2 && pos + 2 + segmentLength(bytes, pos) <= bytes.size();
}

bool isExifSegment(const QByteArray &bytes, qsizetype pos)
{
    return byteAt(bytes, pos + 1) == 0xE1 && bytes.mid(pos + 4, 6) == QByteArray("Exif\0\0", 6);
}

QByteArray exifSegment(int orientation)
{
    // Big-endian TIFF header, one IFD with one SHORT entry, no next IFD.
    const char tiff[] = {
        'M', 'M', 0x00, 0x2A, 0x00, 0x00, 0x00, 0x08,            // header, IFD at 8
        0x00, 0x01,                                              // one entry
        0x01, 0x12, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01,          // orientation, SHORT, count 1
        0x00, static_cast<char>(orientation), 0x00, 0x00,        // value, padded
        0x00, 0x00, 0x00, 0x00,                                  // no next IFD
    };
    const QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = static_cast<int>(payload.size()) + 2;
    QByteArray segment;
    segment.append(char(0xFF)).append(char(0xE1));
    segment.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF));
    return segment + payload;
}

} // namespace

QByteArray withExifOrientation(const QByteArray &jpeg, int orientation)
{
    if (orientation < 1 || orientation > 8 || jpeg.size() < 4 || byteAt(jpeg, 0) != 0xFF
        || byteAt(jpeg, 1) != 0xD8)
        return jpeg;

    QByteArray out = jpeg.left(2);
    qsizetype pos = 2;
    // JFIF readers expect APP0 right after SOI, so it stays first.
    if (isAppSegment(jpeg, pos) && byteAt(jpeg, pos + 1) == 0xE0) {
        const qsizetype end = pos + 2 + segmentLength(jpeg, pos);
        out += jpeg.mid(pos, end - pos);
        pos = end;
    }
    out += exifSegment(orientation);
    while (isAppSegment(jpeg, pos)) {
        const qsizetype end = pos + 2 + segmentLength(jpeg, pos);
        if (!isExifSegment(jpeg, pos))
            out += jpeg.mid(pos, end - pos);
        pos = end;
    }
    out += jpeg.mid(pos);
    return out;
}

} // namespace demofolder

#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QSize>

class QImage;

// Picture files a damaged or hostile catalogue may carry: small files that
// declare far more pixels than their bytes hold, and files whose data does
// not fill their picture. Each is made in a few bytes.
namespace testsupport {

// A small PNG whose header declares `size`, `depth` bits a channel and the
// PNG colour type `colour` (2: RGB, 6: RGBA), and whose data holds one black
// row: read up to its header, it passes for a picture of that size.
QByteArray pngDeclaring(QSize size, int depth = 8, int colour = 2);

// A JPEG of a few hundred bytes, baseline or progressive, whose frame header
// declares `size`: its data runs out after the first lines.
QByteArray jpegDeclaring(QSize size, bool progressive);

// `image` as a 24-bit BMP, its rows stored from the bottom up, or from the
// top down (a negative height).
QByteArray bmpOf(const QImage &image, bool topDown = false);

// `bmp` with the offset of its pixel data pointing past the end of the file.
QByteArray withPixelsPastEnd(QByteArray bmp);

// An 8-bit RLE BMP of `size` with `palette`, whose compressed data is `runs`.
QByteArray rleBmp(QSize size, const QList<QRgb> &palette, const QByteArray &runs);

} // namespace testsupport

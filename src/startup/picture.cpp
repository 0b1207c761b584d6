#include "startup/picture.h"

#include <QFile>
#include <QImageReader>

#include "startup/logging.h"

namespace modcol {
namespace {

// A file that notes when its reader asks for bytes past its end. Qt's JPEG
// decoder answers a file that ends early with a made-up end marker and
// paints the missing part grey; a whole JPEG stops at its own end marker
// and never asks for more. Unbuffered, so that only the decoder's own reads
// reach the file.
class WatchedFile : public QFile
{
public:
    using QFile::QFile;

    bool ranOut() const { return m_ranOut; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 read = QFile::readData(data, maxSize);
        if (read == 0 && maxSize > 0)
            m_ranOut = true;
        return read;
    }

private:
    bool m_ranOut = false;
};

QSize upright(QSize stored, QImageIOHandler::Transformations transformation)
{
    if (transformation & QImageIOHandler::TransformationRotate90)
        stored.transpose();
    return stored;
}

QSize decodedSize(const QSize &natural, const QSize &box, PictureFit fit)
{
    if (fit == PictureFit::Stretch)
        return box;
    if (natural.width() <= box.width() && natural.height() <= box.height())
        return natural;
    return natural.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The pixels the decoder must produce before the picture is scaled to its
// box. Other handlers may claim scaled reading, but PNG's inflates every
// row of the file to get there; only JPEG's decodes at a fraction (1/8 at
// the least) of its size.
qint64 pixelsToDecode(const QImageReader &reader, bool jpeg, const QSize &stored)
{
    const qint64 pixels = qint64(stored.width()) * stored.height();
    if (jpeg && reader.supportsOption(QImageIOHandler::ScaledSize))
        return pixels / 64;
    return pixels;
}

// Why `reader`'s picture would not be decoded, from its header alone.
PictureVerdict verdictOf(const QImageReader &reader, const QString &path)
{
    const QSize stored = reader.size();
    if (!stored.isValid()) {
        qCWarning(lcStartup) << "no picture in" << path << reader.errorString();
        return PictureVerdict::Unreadable;
    }
    const bool jpeg = reader.format() == "jpeg";
    if (pixelsToDecode(reader, jpeg, stored) > PixelBudget) {
        qCWarning(lcStartup) << "picture refused:" << path << "declares" << stored.width() << "x" << stored.height()
                             << "pixels," << reader.format() << "cannot be decoded scaled";
        return PictureVerdict::OverBudget;
    }
    return PictureVerdict::Decodable;
}

} // namespace

PictureVerdict inspectPicture(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcStartup) << "no picture file" << path << file.errorString();
        return PictureVerdict::Unreadable;
    }
    QImageReader reader(&file);
    return verdictOf(reader, path);
}

void limitPictureAllocations()
{
    constexpr qint64 WidestPixel = 8; // bytes: four channels of 16 bits
    constexpr qint64 MiB = 1024 * 1024;
    QImageReader::setAllocationLimit(int((PixelBudget * WidestPixel + MiB - 1) / MiB));
}

Picture decodePicture(const QString &path, const QSize &box, PictureFit fit)
{
    if (path.isEmpty() || box.isEmpty())
        return {};
    WatchedFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qCDebug(lcStartup) << "no picture file" << path << file.errorString();
        return {};
    }
    // The format comes from the content, whatever the file's name says.
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (verdictOf(reader, path) != PictureVerdict::Decodable)
        return {};
    // Asked before reading: once read, the reader no longer names it.
    const bool jpeg = reader.format() == "jpeg";
    const QSize stored = reader.size();
    const QSize size = upright(stored, reader.transformation());
    // The decoder scales the picture as stored, before it is turned.
    reader.setScaledSize(upright(decodedSize(size, box, fit), reader.transformation()));
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcStartup) << "cannot decode" << path << reader.errorString();
        return {};
    }
    if (jpeg && file.ranOut()) {
        qCWarning(lcStartup) << "damaged picture:" << path << "ends before its end marker";
        return {};
    }
    return {size, image};
}

} // namespace modcol

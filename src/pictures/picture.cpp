#include "pictures/picture.h"

#include <QImageReader>

#include "pictures/logging.h"
#include "pictures/picturecost.h"
#include "pictures/picturewarnings.h"

namespace modcol {
namespace {

// A file that notes when its reader asks for more bytes than are left.
// Unbuffered, so that only the decoder's own reads reach it.
class WatchedFile : public QFile
{
public:
    using QFile::QFile;

    // From now on: the header reads before the decode may well ask for more.
    void watch() { m_ranShort = m_ranOut = false; }

    bool ranShort() const { return m_ranShort; } // a read got fewer bytes than asked
    bool ranOut() const { return m_ranOut; }     // a read got none

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 read = QFile::readData(data, maxSize);
        m_ranShort = m_ranShort || read < maxSize;
        m_ranOut = m_ranOut || (read <= 0 && maxSize > 0);
        return read;
    }

private:
    bool m_ranShort = false;
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

PictureVerdict verdictOf(const PictureCost &cost, const QString &path)
{
    if (cost.format == PictureFormat::None) {
        qCWarning(lcPictures) << "no picture in" << path << cost.kind;
        return PictureVerdict::Unreadable;
    }
    if (cost.overBudget()) {
        qCWarning(lcPictures).noquote() << QStringLiteral("picture refused: %1, a %2 of %3 x %4 pixels, would take about "
                                                         "%5 MB and %6 s to decode")
                                              .arg(path, cost.kind)
                                              .arg(cost.size.width())
                                              .arg(cost.size.height())
                                              .arg(cost.bytes / 1e6, 0, 'f', 0)
                                              .arg(cost.seconds, 0, 'f', 1);
        return PictureVerdict::OverBudget;
    }
    return PictureVerdict::Decodable;
}

// Why a picture the reader made is not the file's, or an empty text. A
// BMP's reader stops where the data runs short and leaves the rest of the
// picture unset; libjpeg makes up the lines its data lacks, and says so
// (only its first warning comes, so any warning from a file it read past
// the end of may hide that one). A JPEG that lacks only its end marker is
// whole.
QString damageOf(PictureFormat format, const WatchedFile &file, const DecoderWarnings &warnings)
{
    if (format == PictureFormat::Bmp && file.ranShort())
        return QStringLiteral("its data ends before its pixels do");
    if (format == PictureFormat::Jpeg && (warnings.linesMadeUp() || (file.ranOut() && !warnings.messages().isEmpty())))
        return QStringLiteral("its data ends before its last line: ") + warnings.messages().join(QStringLiteral("; "));
    return {};
}

} // namespace

// The header is read buffered: a JPEG's markers may lie far apart.
PictureInspection inspectPictureCost(const QString &path)
{
    QFile file(path);
    if (!openPictureFile(file, QIODevice::ReadOnly))
        return {PictureVerdict::Unreadable, {}};
    const PictureCost cost = pictureCost(file);
    return {verdictOf(cost, path), cost};
}

PictureVerdict inspectPicture(const QString &path)
{
    return inspectPictureCost(path).verdict;
}

void limitPictureAllocations()
{
    QImageReader::setAllocationLimit(int(MemoryBudget / (1024 * 1024)));
}

Picture decodePicture(const QString &path, const QSize &box, PictureFit fit)
{
    if (box.isEmpty())
        return {};
    return decodePicture(path, box, fit, inspectPictureCost(path));
}

Picture decodePicture(const QString &path, const QSize &box, PictureFit fit, const PictureInspection &inspection)
{
    if (box.isEmpty())
        return {};
    const auto &[verdict, cost] = inspection;
    WatchedFile file(path);
    if (verdict != PictureVerdict::Decodable || !openPictureFile(file, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    // The format comes from the content, whatever the file's name says.
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QSize size = upright(cost.size, reader.transformation());
    // The decoder scales the picture as stored, before it is turned.
    reader.setScaledSize(upright(decodedSize(size, box, fit), reader.transformation()));
    QImage image;
    if (cost.leavesPixelsUnset) {
        // The reader decodes into a picture of its own kind when it is given one.
        image = QImage(cost.size, QImage::Format_Indexed8);
        image.fill(0);
    }
    file.watch();
    const DecoderWarnings warnings;
    if (!reader.read(&image) || image.isNull()) {
        qCWarning(lcPictures) << "cannot decode" << path << reader.errorString();
        return {};
    }
    for (const QString &warning : warnings.messages())
        qCDebug(lcPictures) << "the decoder of" << path << "says" << warning;
    if (const QString damage = damageOf(cost.format, file, warnings); !damage.isEmpty()) {
        qCWarning(lcPictures) << "damaged picture:" << path << damage;
        return {};
    }
    return {size, image};
}

QPixmap devicePixmap(const QImage &image, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace modcol

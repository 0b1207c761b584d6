#include "demofolder/photofiles.h"

#include "demofolder/exiforientation.h"
#include "demofolder/outputfiles.h"
#include "demofolder/photopainter.h"
#include "demofolder/photoplanner.h"

#include <QDir>
#include <QTransform>
#include <QtConcurrent/QtConcurrentMap>

namespace demofolder {

namespace {

constexpr int PhotoQuality = 85;
constexpr int ThumbnailQuality = 80;
// Pictures drawn between two writes: keeps memory flat when photos are many.
constexpr std::size_t BatchSize = 32;

struct EncodedPicture
{
    QByteArray photo;
    QByteArray thumbnail; // empty when no thumbnail is made from it
};

// How the pixels are stored so that a viewer honouring the Exif orientation
// shows them upright.
QTransform storedTransform(int exifOrientation)
{
    switch (exifOrientation) {
    case 3: return QTransform().rotate(180);
    case 6: return QTransform().rotate(-90);
    case 8: return QTransform().rotate(90);
    default: return {};
    }
}

EncodedPicture encodePicture(const PhotoLook &look, int exifOrientation, bool withThumbnail)
{
    const QImage upright = paintPhoto(look);
    EncodedPicture encoded;
    if (exifOrientation == 1) {
        encoded.photo = encodeJpeg(upright, PhotoQuality);
    } else {
        const QImage stored = upright.transformed(storedTransform(exifOrientation));
        encoded.photo = withExifOrientation(encodeJpeg(stored, PhotoQuality), exifOrientation);
    }
    if (withThumbnail) {
        const QImage small = upright.scaledToWidth(PhotoPlanner::ThumbnailWidth, Qt::SmoothTransformation);
        encoded.thumbnail = encodeJpeg(small, ThumbnailQuality);
    }
    return encoded;
}

} // namespace

PhotoFileWriter::PhotoFileWriter(const CataloguePlan &plan, const QString &outDir)
    : m_plan(plan)
    , m_outDir(outDir)
{
}

void PhotoFileWriter::write()
{
    if (!QDir().mkpath(m_outDir + QStringLiteral("/fotos")))
        throw DemoError(QStringLiteral("cannot create %1/fotos").arg(m_outDir).toStdString());
    // A thumbnail is made from the first photo of its offer: at most one per row.
    std::vector<int> thumbnailOf(m_plan.photos.size(), -1);
    for (std::size_t t = 0; t < m_plan.thumbnails.size(); ++t)
        thumbnailOf[m_plan.thumbnails[t].photo] = static_cast<int>(t);
    writeOwnPictures(thumbnailOf);
    writePooledPictures(thumbnailOf);
}

QString PhotoFileWriter::localPath(const QString &ruta) const
{
    return m_outDir + QLatin1Char('/') + QString(ruta).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void PhotoFileWriter::writeOwnPictures(const std::vector<int> &thumbnailOf)
{
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < m_plan.photos.size(); ++i) {
        if (m_plan.photos[i].kind == PhotoFileKind::Drawn)
            rows.push_back(i);
    }
    for (std::size_t start = 0; start < rows.size(); start += BatchSize) {
        const std::vector<std::size_t> batch(rows.begin() + static_cast<std::ptrdiff_t>(start),
                                             rows.begin() + static_cast<std::ptrdiff_t>(std::min(rows.size(), start + BatchSize)));
        const auto encoded = QtConcurrent::blockingMapped<std::vector<EncodedPicture>>(
            batch, [this, &thumbnailOf](std::size_t row) {
                const PhotoRow &photo = m_plan.photos[row];
                return encodePicture(photo.look, photo.exifOrientation, thumbnailOf[row] >= 0);
            });
        for (std::size_t i = 0; i < batch.size(); ++i) {
            const std::size_t row = batch[i];
            writeBytes(localPath(m_plan.photos[row].ruta), encoded[i].photo);
            if (thumbnailOf[row] >= 0)
                writeBytes(localPath(m_plan.thumbnails[static_cast<std::size_t>(thumbnailOf[row])].ruta),
                           encoded[i].thumbnail);
        }
    }
}

void PhotoFileWriter::writePooledPictures(const std::vector<int> &thumbnailOf)
{
    const auto pool = QtConcurrent::blockingMapped<std::vector<EncodedPicture>>(
        m_plan.pool, [](const PooledPicture &picture) { return encodePicture(picture.look, 1, true); });
    std::vector<QString> photoFile(pool.size());
    std::vector<QString> thumbnailFile(pool.size());

    // The first row of a pooled picture holds its bytes; later rows link to it.
    const auto place = [](QString &first, const QString &path, const QByteArray &bytes) {
        if (first.isEmpty()) {
            writeBytes(path, bytes);
            first = path;
        } else {
            linkOrCopy(first, path);
        }
    };
    for (std::size_t row = 0; row < m_plan.photos.size(); ++row) {
        const PhotoRow &photo = m_plan.photos[row];
        if (photo.kind != PhotoFileKind::Pooled)
            continue;
        const auto picture = static_cast<std::size_t>(photo.poolIndex);
        place(photoFile[picture], localPath(photo.ruta), pool[picture].photo);
        if (thumbnailOf[row] >= 0)
            place(thumbnailFile[picture],
                  localPath(m_plan.thumbnails[static_cast<std::size_t>(thumbnailOf[row])].ruta),
                  pool[picture].thumbnail);
    }
}

} // namespace demofolder

#include "pictures/picturecache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHashFunctions>

namespace modcol {
namespace {

// A page of twelve thumbnails at full-screen cell size is about 2.5 MiB, a
// screen-sized photo 8 MiB: room for many pages and a few photos.
constexpr qsizetype CacheKiB = 64 * 1024;

} // namespace

size_t qHash(const PictureKey &key, size_t seed)
{
    return qHashMulti(seed, key.path, key.bytes, key.modified, key.box.width(), key.box.height(), int(key.fit));
}

std::optional<PictureKey> pictureKey(const QString &path, const QSize &box, PictureFit fit)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return std::nullopt;
    return PictureKey{path, file.size(), file.lastModified().toMSecsSinceEpoch(), box, fit};
}

PictureCache &PictureCache::shared()
{
    static PictureCache cache;
    return cache;
}

PictureCache::PictureCache()
    : m_pictures(CacheKiB)
{
}

std::optional<Picture> PictureCache::find(const PictureKey &key) const
{
    const QMutexLocker locker(&m_mutex);
    if (const Picture *picture = m_pictures.object(key))
        return *picture;
    return std::nullopt;
}

void PictureCache::insert(const PictureKey &key, const Picture &picture)
{
    // A file that gave no picture still costs a little, so that the bound
    // holds however many of them there are.
    const qsizetype kib = qMax<qsizetype>(1, picture.image.sizeInBytes() / 1024);
    const QMutexLocker locker(&m_mutex);
    m_pictures.insert(key, new Picture(picture), kib);
}

void PictureCache::clear()
{
    const QMutexLocker locker(&m_mutex);
    m_pictures.clear();
}

} // namespace modcol

#pragma once

#include <optional>

#include <QCache>
#include <QMutex>
#include <QSize>
#include <QString>

#include "pictures/picture.h"

namespace modcol {

// What a decoded picture was made from and for: the file as it stood (its
// path, length and modification time) and the box and fit it was decoded
// for. A file replaced since gets another key.
struct PictureKey
{
    QString path;
    qint64 bytes = 0;
    qint64 modified = 0; // milliseconds since the epoch
    QSize box;
    PictureFit fit = PictureFit::Stretch;

    friend bool operator==(const PictureKey &a, const PictureKey &b)
    {
        return a.path == b.path && a.bytes == b.bytes && a.modified == b.modified && a.box == b.box && a.fit == b.fit;
    }
};

size_t qHash(const PictureKey &key, size_t seed = 0);

// The key of the file `path` as it stands now; none when there is no such file.
std::optional<PictureKey> pictureKey(const QString &path, const QSize &box, PictureFit fit);

// The pictures decoded lately in this run, the most recently used kept
// within a memory bound, so that going back to a page or a photo decodes
// nothing. Files that gave no picture are kept too, so a damaged file is
// not read again. One cache serves every loader; it may be used from any
// thread.
class PictureCache
{
public:
    static PictureCache &shared();

    std::optional<Picture> find(const PictureKey &key) const;
    void insert(const PictureKey &key, const Picture &picture);
    void clear();

private:
    PictureCache();

    mutable QMutex m_mutex;
    QCache<PictureKey, Picture> m_pictures; // costed in KiB
};

} // namespace modcol

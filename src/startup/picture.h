#pragma once

#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QString>

// Pictures as the windows show them: photos, thumbnails and logos decoded
// straight to the size of the box that shows them, upright as their Exif
// orientation says, and never at a size that could hold the window up.
namespace modcol {

// How a picture fills the box it is decoded for.
enum class PictureFit {
    Stretch,    // exactly the box, proportions not kept (an image box that stretches)
    KeepAspect, // the largest size of the picture's proportions within the box, never above its own size
};

struct Picture
{
    QSize size;   // the picture's own size, upright; empty when the file is no picture we can read
    QImage image; // the decoded picture; null when the file is missing, damaged or refused
};

// Reads `path` and decodes it for `box`, on the calling thread.
Picture decodePicture(const QString &path, const QSize &box, PictureFit fit);

} // namespace modcol

Q_DECLARE_METATYPE(modcol::Picture)

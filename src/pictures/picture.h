#pragma once

#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "pictures/picturecost.h"

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
    QSize size;   // the picture's own size, upright; empty when there is no picture
    QImage image; // the decoded picture; null when the file is missing, damaged or refused
};

// Sets the largest picture Qt's decoders may allocate, once at start-up,
// before any picture is read: the memory budget of one decode.
void limitPictureAllocations();

// What the decoder would make of a file, judged from its header alone,
// without decoding it: cheap enough to ask of every photo of a catalogue.
// The program refuses pictures by the same verdict.
enum class PictureVerdict {
    Decodable,  // a picture the decoder will be asked to decode
    Unreadable, // missing, no ordinary file, damaged or not a picture the program reads
    OverBudget, // a picture refused before decoding: it would take too much memory or time
};
PictureVerdict inspectPicture(const QString &path);

// The verdict on `path` and the cost it was judged by, for a caller that
// needs the cost too and then decodes the file.
struct PictureInspection
{
    PictureVerdict verdict = PictureVerdict::Unreadable;
    PictureCost cost;
};
PictureInspection inspectPictureCost(const QString &path);

// `image`, decoded at device pixels, as a pixmap that a widget of
// `devicePixelRatio` shows at its own size.
QPixmap devicePixmap(const QImage &image, qreal devicePixelRatio);

// Reads `path` and decodes it for `box`, on the calling thread. A file that
// is missing, refused by its verdict or by the allocation limit, or damaged
// (a JPEG whose decoder made up lines for data it lacked, a BMP whose data
// ends before its pixels do) gives no picture (both members empty) and a log
// line. Pixels an RLE BMP skips are its colour 0.
Picture decodePicture(const QString &path, const QSize &box, PictureFit fit);
// The same for a file inspected already, whose header is not read again.
Picture decodePicture(const QString &path, const QSize &box, PictureFit fit, const PictureInspection &inspection);

} // namespace modcol

Q_DECLARE_METATYPE(modcol::Picture)

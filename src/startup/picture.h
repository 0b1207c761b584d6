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
    QSize size;   // the picture's own size, upright; empty when there is no picture
    QImage image; // the decoded picture; null when the file is missing, damaged or refused
};

// The most pixels a decoder may have to produce for one picture. A format
// that can only be decoded whole (PNG, GIF, BMP...) is refused above it: a
// small file can declare 20000 x 20000 pixels and take seconds to inflate.
// A JPEG is decoded scaled, at an eighth of its size at least.
constexpr qint64 PixelBudget = 50'000'000;

// Sets the largest picture Qt's decoders may allocate, once at start-up,
// before any picture is read: enough for PixelBudget pixels of the widest
// kind Qt decodes (16 bits per channel), and no more.
void limitPictureAllocations();

// What the decoder would make of a file, judged from its header alone,
// without decoding it: cheap enough to ask of every photo of a catalogue.
enum class PictureVerdict {
    Decodable,  // a picture the decoder will be asked to decode
    Unreadable, // missing, unreadable or not a picture the program reads
    OverBudget, // a picture refused before decoding: it would cost too much
};
PictureVerdict inspectPicture(const QString &path);

// Reads `path` and decodes it for `box`, on the calling thread. A file that
// is missing, damaged (a JPEG that ends early), refused by the budget or by
// the allocation limit gives no picture (both members empty) and a log line.
Picture decodePicture(const QString &path, const QSize &box, PictureFit fit);

} // namespace modcol

Q_DECLARE_METATYPE(modcol::Picture)

#pragma once

#include <QFile>
#include <QSize>
#include <QString>

// What decoding a picture file will cost, judged from its header alone, as
// Qt's decoders will go about it: the bytes they will hold and the time they
// will take. Cheap enough to ask of every photo of a catalogue.
namespace modcol {

// The most one picture's decode may take, on a small two-core machine. A
// picture over either is refused before it is decoded; Qt's allocation limit
// is set to the memory budget.
constexpr qint64 MemoryBudget = 192 * 1024 * 1024; // bytes
constexpr double TimeBudget = 1.0;                 // seconds

// The formats whose decoders the program knows how to cost and check.
enum class PictureFormat {
    None,  // no picture the program reads
    Jpeg,
    Png,
    Bmp,
    Other, // another format Qt reads, costed as decoded whole at 32 bits
};

struct PictureCost
{
    PictureFormat format = PictureFormat::None;
    QSize size;    // as stored, always positive (a top-down BMP too)
    QString kind;  // how it decodes, for the log; or why there is no picture
    double bytes = 0; // held at the decode's peak, the scaling after it included
    double seconds = 0;
    // An RLE BMP may skip pixels, which Qt's reader leaves as they were.
    bool leavesPixelsUnset = false;

    bool overBudget() const { return bytes > double(MemoryBudget) || seconds > TimeBudget; }
};

// Opens the picture file `file` when it is an ordinary one (a FIFO would
// wait for a writer); a debug line when not.
bool openPictureFile(QFile &file, QIODevice::OpenMode mode);

// The cost of decoding the open `file` for a box much smaller than the
// picture (a picture that fits its box decodes whole, but is then too small
// to come near the budget), from its first bytes; a header that is damaged or of no picture the program reads gives
// PictureFormat::None.
PictureCost pictureCost(QFile &file);

} // namespace modcol

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

namespace demofolder {

// Any failure to make the folder: a file that cannot be written, a catalogue
// the writer refuses.
class DemoError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The image as JPEG bytes at the given quality (0 to 100).
QByteArray encodeJpeg(const QImage &image, int quality);

// Writes `bytes` to `path`, replacing any file there; throws DemoError.
void writeBytes(const QString &path, const QByteArray &bytes);

// Makes `path` a hard link to the existing file `existing`, or a copy of it
// where the file system has no links; throws DemoError.
void linkOrCopy(const QString &existing, const QString &path);

} // namespace demofolder

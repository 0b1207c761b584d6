#pragma once

#include <QByteArray>

namespace demofolder {

// The JPEG `jpeg` with an Exif APP1 segment whose only entry is the
// orientation tag (0x0112) set to `orientation` (1 to 8; 6 = shown turned a
// quarter clockwise). The segment goes right after SOI, or after a leading
// JFIF APP0; an Exif segment the file already had is dropped. Bytes that do
// not start like a JPEG, or an orientation outside 1..8, come back unchanged.
// Qt writes no Exif itself; this lets the demo carry a photo that a viewer
// must turn.
QByteArray withExifOrientation(const QByteArray &jpeg, int orientation);

} // namespace demofolder

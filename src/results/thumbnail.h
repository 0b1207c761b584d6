#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "startup/cataloguepaths.h"

// The pictures of the result cells.
namespace results {

// The picture file for the offer `codOfer` whose first photo is `ruta`: a
// prepared thumbnail named by the key and "cd" in the second base folder's
// "colimg" folder, else one in the program's "fotos" folder, else the photo
// itself below either base folder. The empty text when there is none.
QString thumbnailFile(const modcol::BaseFolders &folders, const QString &codOfer, const QString &ruta);

// The picture in `path` decoded straight to `box` (stretched to fill it),
// turned as its Exif orientation says. The decoder skips the detail that
// the box cannot show, so a large photo costs little more than a small one.
// A null image when the file is missing or unreadable.
QImage decodeToBox(const QString &path, const QSize &box);

} // namespace results

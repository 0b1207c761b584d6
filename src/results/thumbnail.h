#pragma once

#include <QString>

#include "filelookup/cataloguepaths.h"

// Which picture file a result cell shows.
namespace results {

// The picture file for the offer `codOfer` whose first photo is `ruta`: a
// prepared thumbnail named by the key and "cd" in the second base folder's
// "colimg" folder, else one in the program's "fotos" folder, else the photo
// itself below either base folder. The empty text when there is none.
QString thumbnailFile(const modcol::BaseFolders &folders, int codOfer, const QString &ruta);

} // namespace results

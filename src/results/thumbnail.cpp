#include "results/thumbnail.h"

#include "filelookup/cataloguepaths.h"

namespace results {

QString thumbnailFile(const modcol::BaseFolders &folders, int codOfer, const QString &ruta)
{
    QString path = modcol::firstThumbnailFile(folders.bd, QStringLiteral("colimg"), codOfer);
    if (path.isEmpty())
        path = modcol::firstThumbnailFile(folders.app, QStringLiteral("fotos"), codOfer);
    if (path.isEmpty())
        path = modcol::photoFile(folders, ruta);
    return path;
}

} // namespace results

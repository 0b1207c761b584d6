#include "results/thumbnail.h"

#include "filelookup/cataloguepaths.h"

namespace results {

QString thumbnailFile(const modcol::BaseFolders &folders, const QString &codOfer, const QString &ruta)
{
    QString path = modcol::firstThumbnailFile(folders.bd, QStringLiteral("colimg"), codOfer.toInt());
    if (path.isEmpty())
        path = modcol::firstThumbnailFile(folders.app, QStringLiteral("fotos"), codOfer.toInt());
    if (path.isEmpty())
        path = modcol::photoFile(folders, ruta);
    return path;
}

} // namespace results

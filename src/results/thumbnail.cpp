#include "results/thumbnail.h"

#include "startup/cataloguepaths.h"

namespace results {

QString thumbnailFile(const modcol::BaseFolders &folders, const QString &codOfer, const QString &ruta)
{
    // "cd" right after the key: offer 12 never takes the thumbnail of offer 123.
    const QString prefix = codOfer + QStringLiteral("cd");
    QString path = modcol::firstFileStartingWith(folders.bd, QStringLiteral("colimg"), prefix);
    if (path.isEmpty())
        path = modcol::firstFileStartingWith(folders.app, QStringLiteral("fotos"), prefix);
    if (path.isEmpty())
        path = modcol::photoFile(folders, ruta);
    return path;
}

} // namespace results

#include "results/thumbnail.h"

#include <QImageReader>

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

QImage decodeToBox(const QString &path, const QSize &box)
{
    if (path.isEmpty() || box.isEmpty())
        return QImage();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The decoder scales the picture as stored, before it is turned.
    QSize stored = box;
    if (reader.size().isValid() && (reader.transformation() & QImageIOHandler::TransformationRotate90))
        stored.transpose();
    reader.setScaledSize(stored);
    return reader.read();
}

} // namespace results

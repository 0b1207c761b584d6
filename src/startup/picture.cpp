#include "startup/picture.h"

#include <QImageReader>

#include "startup/logging.h"

namespace modcol {
namespace {

QSize upright(QSize stored, QImageIOHandler::Transformations transformation)
{
    if (transformation & QImageIOHandler::TransformationRotate90)
        stored.transpose();
    return stored;
}

QSize decodedSize(const QSize &natural, const QSize &box, PictureFit fit)
{
    if (fit == PictureFit::Stretch)
        return box;
    if (natural.width() <= box.width() && natural.height() <= box.height())
        return natural;
    return natural.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

Picture decodePicture(const QString &path, const QSize &box, PictureFit fit)
{
    Picture picture;
    if (path.isEmpty() || box.isEmpty())
        return picture;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid()) {
        qCWarning(lcStartup) << "no picture in" << path << reader.errorString();
        return picture;
    }
    picture.size = upright(stored, reader.transformation());
    // The decoder scales the picture as stored, before it is turned.
    reader.setScaledSize(upright(decodedSize(picture.size, box, fit), reader.transformation()));
    picture.image = reader.read();
    if (picture.image.isNull())
        qCWarning(lcStartup) << "cannot decode" << path << reader.errorString();
    return picture;
}

} // namespace modcol

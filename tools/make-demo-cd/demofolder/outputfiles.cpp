#include "demofolder/outputfiles.h"

#include <QBuffer>
#include <QFile>

#include <filesystem>

namespace demofolder {

QByteArray encodeJpeg(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", quality))
        throw DemoError("cannot encode a JPEG picture");
    return bytes;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush())
        throw DemoError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
}

void linkOrCopy(const QString &existing, const QString &path)
{
    namespace fs = std::filesystem;
    const fs::path from = existing.toStdU16String();
    const fs::path to = path.toStdU16String();
    std::error_code error;
    fs::create_hard_link(from, to, error);
    if (!error)
        return;
    if (!fs::copy_file(from, to, fs::copy_options::overwrite_existing, error))
        throw DemoError(QStringLiteral("cannot link or copy %1 to %2: %3")
                            .arg(existing, path, QString::fromStdString(error.message()))
                            .toStdString());
}

} // namespace demofolder

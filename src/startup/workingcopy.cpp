#include "startup/workingcopy.h"

#include <QFile>
#include <QSaveFile>

namespace modcol {

QString workingCopyPath(const QString &tempFolder, const QDateTime &start)
{
    QString folder = tempFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + start.toString(QStringLiteral("yyyyMMddHHmmss")) + QStringLiteral(".mdb");
}

bool copyCatalogue(const QString &source, const QString &target)
{
    QFile in(source);
    QSaveFile out(target);
    if (source.isEmpty() || !in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray bytes = in.read(chunk);
        if (bytes.isEmpty() || out.write(bytes) != bytes.size()) {
            out.cancelWriting();
            break;
        }
    }
    if (!out.commit())
        return false;
    // The renamed file keeps the permissions of the one it replaced.
    return QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace modcol

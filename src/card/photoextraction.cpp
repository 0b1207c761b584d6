#include "card/photoextraction.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include "card/logging.h"

namespace card {
namespace {

bool isForbiddenInName(QChar c)
{
    static const QString forbidden = QStringLiteral("\"\\/;:'*?<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || forbidden.contains(c);
}

QString withoutBlanksAround(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString folderPath(const QString &folder)
{
    return folder.endsWith(u'/') || folder.endsWith(u'\\') ? folder : folder + u'/';
}

// Copies `source` to `target` by way of a new temporary file beside the
// target, then renames it over the target. Renaming replaces the target's
// entry itself, so a link planted under the target's name is never followed.
bool copyReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcCard) << "cannot read" << source << in.errorString();
        return false;
    }
    QTemporaryFile out(QFileInfo(target).absolutePath() + QStringLiteral("/.colaborador-XXXXXX"));
    if (!out.open()) {
        qCWarning(lcCard) << "cannot write in the folder of" << target << out.errorString();
        return false;
    }
    constexpr qint64 Chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray bytes = in.read(Chunk);
        if (bytes.isEmpty() || out.write(bytes) != bytes.size()) {
            qCWarning(lcCard) << "cannot copy" << source << "to" << target;
            return false;
        }
    }
    // A new file gets the usual permissions, not the temporary file's private ones.
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                       | QFileDevice::ReadOther);
    if (!out.flush())
        return false;
    std::error_code error;
    std::filesystem::rename(QFileInfo(out.fileName()).filesystemAbsoluteFilePath(),
                            QFileInfo(target).filesystemAbsoluteFilePath(), error);
    if (error) {
        qCWarning(lcCard) << "cannot replace" << target << QString::fromStdString(error.message());
        return false;
    }
    out.setAutoRemove(false);
    return true;
}

} // namespace

QString cleanReference(const QString &reference)
{
    QString clean;
    for (const QChar c : reference) {
        if (!isForbiddenInName(c))
            clean += c;
    }
    return withoutBlanksAround(clean);
}

QString photoExtension(const QString &ruta)
{
    const qsizetype nameStart = std::max(ruta.lastIndexOf(u'\\'), ruta.lastIndexOf(u'/')) + 1;
    const qsizetype dot = ruta.lastIndexOf(u'.');
    return dot >= nameStart ? ruta.mid(dot) : QString();
}

QString photoCopyName(const QString &stem, int n, const QString &ruta)
{
    return stem + QStringLiteral("-foto%1").arg(n, 2, 10, QLatin1Char('0')) + photoExtension(ruta);
}

ExtractionCount extractPhotos(const QStringList &paths, const QString &stem, const QString &chosenFolder,
                              const modcol::BaseFolders &folders)
{
    struct Found
    {
        QString ruta;
        QString source;
    };
    QList<Found> found;
    QSet<QString> sources;
    for (const QString &ruta : paths) {
        const QString source = modcol::photoFile(folders, ruta);
        if (source.isEmpty()) {
            qCDebug(lcCard) << "no photo file for" << ruta;
            continue;
        }
        found.append({ruta, source});
        sources.insert(QFileInfo(source).canonicalFilePath());
    }

    ExtractionCount count;
    const QString folder = folderPath(chosenFolder);
    for (int n = 1; n <= found.size(); ++n) {
        const Found &photo = found[n - 1];
        const QString target = folder + photoCopyName(stem, n, photo.ruta);
        if (sources.contains(QFileInfo(target).canonicalFilePath())) {
            qCWarning(lcCard) << "not writing over the photo" << target;
            ++count.failed;
        } else if (copyReplacing(photo.source, target)) {
            ++count.copied;
        } else {
            ++count.failed;
        }
    }
    return count;
}

QString extractionMessage(const ExtractionCount &count)
{
    QString message = QStringLiteral("Se han copiado %1 fotos").arg(count.copied);
    if (count.failed > 0)
        message += QStringLiteral("\nNo se han podido copiar %1 fotos").arg(count.failed);
    return message;
}

} // namespace card

#include "card/photoextraction.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>
#include <QTextBoundaryFinder>

#include "card/logging.h"
#include "filelookup/filecontents.h"

namespace card {
namespace {

// The longest file name in bytes that ext4, Btrfs and XFS take; as UTF-8 it
// also fits NTFS's 255 UTF-16 units.
constexpr qsizetype LongestName = 255;

// Characters no system takes in a file name, and characters that show
// nothing: controls, line breaks, and format characters such as the
// direction overrides that make a name read otherwise than it is.
bool isLeftOut(char32_t c)
{
    static const QString forbidden = QStringLiteral("\"\\/;:'*?<>|");
    if (c < 0x80 && forbidden.contains(QChar(c)))
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Without blanks at either end, nor dots at its start: a name that starts
// with a dot is hidden.
QString trimmedStem(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && (text.at(first) == u' ' || text.at(first) == u'.'))
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
    if (!modcol::copyContents(in, out)) {
        qCWarning(lcCard) << "cannot copy" << source << "to" << target;
        return false;
    }
    // A new file gets the usual permissions, not the temporary file's private ones.
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                       | QFileDevice::ReadOther);
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

// The extension of a catalogue path's file name, dot included ("fotos\a.jpg"
// gives ".jpg"); empty when the name has no dot. A dot in a folder's name
// does not count.
QString photoExtension(const QString &ruta)
{
    const qsizetype nameStart = std::max(ruta.lastIndexOf(u'\\'), ruta.lastIndexOf(u'/')) + 1;
    const qsizetype dot = ruta.lastIndexOf(u'.');
    return dot >= nameStart ? ruta.mid(dot) : QString();
}

} // namespace

QString cleanReference(const QString &reference)
{
    QString clean;
    for (const uint c : reference.toUcs4()) {
        const char32_t character = c;
        if (!isLeftOut(character))
            clean += QString::fromUcs4(&character, 1);
    }
    return trimmedStem(clean);
}

QString photoCopyName(const QString &stem, int n, const QString &ruta)
{
    const QString ending = QStringLiteral("-foto%1").arg(n, 2, 10, QLatin1Char('0')) + photoExtension(ruta);
    // Too long a name loses the end of its stem, a whole character at a time.
    QString name = stem + ending;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, stem);
    characters.toEnd();
    while (name.toUtf8().size() > LongestName && characters.toPreviousBoundary() >= 0)
        name = stem.left(characters.position()) + ending;
    return name;
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

QString extractionMessage(const ExtractionCount &count, const QString &folder)
{
    const auto photos = [](int n) { return n == 1 ? QStringLiteral("1 foto") : QStringLiteral("%1 fotos").arg(n); };
    QString message =
        (count.copied == 1 ? QStringLiteral("Se ha copiado %1 en «%2»") : QStringLiteral("Se han copiado %1 en «%2»"))
            .arg(photos(count.copied), QDir::toNativeSeparators(folder));
    if (count.failed > 0) {
        message += (count.failed == 1 ? QStringLiteral("\nNo se ha podido copiar %1")
                                      : QStringLiteral("\nNo se han podido copiar %1"))
                       .arg(photos(count.failed));
    }
    return message;
}

} // namespace card

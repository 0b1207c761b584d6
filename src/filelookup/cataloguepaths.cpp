#include "filelookup/cataloguepaths.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "filelookup/folderindex.h"

namespace modcol {
namespace {

bool isOrdinaryFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

// The path's folder and file names, or none when it is empty, absolute
// ("\x", "C:x", "\\server\x") or has a ".." step.
QStringList relativeSteps(const QString &cataloguePath)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    if (cataloguePath.isEmpty() || cataloguePath.front() == QLatin1Char('\\')
        || cataloguePath.front() == QLatin1Char('/') || cataloguePath.contains(QLatin1Char(':')))
        return {};
    QStringList steps;
    for (const QString &step : cataloguePath.split(separators, Qt::SkipEmptyParts)) {
        if (step == QLatin1String(".."))
            return {};
        if (step != QLatin1String("."))
            steps.append(step);
    }
    return steps;
}

// `base` followed by `steps`, each matched without regard to case, or the
// empty text when a step has no match.
QString resolve(const QString &base, const QStringList &steps)
{
    QString path = withoutTrailingSeparator(base);
    for (const QString &step : steps) {
        const QString name = FolderIndex::findName(path, step);
        if (name.isEmpty())
            return QString();
        path += QLatin1Char('/') + name;
    }
    return path;
}

} // namespace

QString existingFile(const QString &base, const QString &cataloguePath)
{
    const QStringList steps = relativeSteps(cataloguePath);
    if (base.isEmpty() || steps.isEmpty())
        return QString();
    const QString path = resolve(base, steps);
    return !path.isEmpty() && isOrdinaryFile(path) ? path : QString();
}

QString firstThumbnailFile(const QString &base, const QString &folder, int key)
{
    const QStringList steps = relativeSteps(folder);
    if (base.isEmpty() || steps.isEmpty())
        return QString();
    const QString dir = resolve(base, steps);
    if (dir.isEmpty())
        return QString();
    for (const QString &name : FolderIndex::thumbnailNames(dir, key)) {
        const QString path = dir + QLatin1Char('/') + name;
        if (isOrdinaryFile(path))
            return path;
    }
    return QString();
}

QString photoFile(const BaseFolders &folders, const QString &ruta)
{
    const QString inProgramFolder = existingFile(folders.app, ruta);
    return !inProgramFolder.isEmpty() ? inProgramFolder : existingFile(folders.bd, ruta);
}

void prepareFolderLookups(const BaseFolders &folders)
{
    QStringList listed;
    for (const QString &base : {folders.app, folders.bd}) {
        for (const QString &name : {QStringLiteral("fotos"), QStringLiteral("colimg")}) {
            if (!base.isEmpty())
                listed.append(resolve(base, {name}));
        }
    }
    listed.removeAll(QString());
    FolderIndex::prepare(listed);
}

} // namespace modcol

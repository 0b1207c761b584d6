#include "startup/workingcopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "catalogue/catalogueerror.h"
#include "filelookup/filecontents.h"
#include "startup/logging.h"

using catalogue::CatalogueError;

namespace modcol {
namespace {

bool entryExists(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink(); // a dangling link exists too
}

// Removes a file or a link of that name, never what a link points at. A
// folder stays.
bool removeEntry(const QString &path)
{
    const QFileInfo entry(path);
    if (entry.isSymLink())
        qCWarning(lcStartup) << "removing the link" << path << "to" << entry.symLinkTarget()
                             << "found in place of the working copy";
    QFile::remove(path);
    return !entryExists(path);
}

CatalogueError notInPlace(const QString &target, const char *why, const QString &reason = QString())
{
    qCWarning(lcStartup) << "no working copy" << target << why << reason;
    return CatalogueError::missingFile(target);
}

// Only an ordinary file is read: opening a FIFO waits for a writer for ever,
// and a device may never end.
void checkOrdinaryFile(const QString &source)
{
    const QFileInfo info(source);
    if (info.isFile())
        return;
    qCWarning(lcStartup) << "the catalogue" << source << "is no ordinary file";
    if (!info.exists())
        throw CatalogueError::missingFile(source);
    throw CatalogueError::unreadable(source, info.isDir() ? QStringLiteral("es una carpeta")
                                                          : QStringLiteral("no es un archivo normal"));
}

} // namespace

QString workingCopyPath(const QString &tempFolder, const QDateTime &start)
{
    const QString name = start.toString(QStringLiteral("yyyyMMddHHmmss")) + QStringLiteral(".mdb");
    if (!QFileInfo(tempFolder).isDir()) {
        qCWarning(lcStartup) << "no temporary folder (" << tempFolder << "); the working copy goes to"
                             << QDir::currentPath();
        return name;
    }
    return tempFolder.endsWith(QLatin1Char('/')) ? tempFolder + name : tempFolder + QLatin1Char('/') + name;
}

void copyCatalogue(const QString &source, const QString &target)
{
    checkOrdinaryFile(source);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcStartup) << "cannot read the catalogue" << source << in.errorString();
        throw CatalogueError::unreadable(source, in.errorString());
    }
    if (const QFileInfo entry(target); entry.isDir() && !entry.isSymLink()) {
        qCWarning(lcStartup) << "no working copy:" << target << "is a folder";
        throw CatalogueError(QStringLiteral("No se puede copiar el catálogo en «%1» porque ya hay una carpeta con "
                                            "ese nombre. Quítela y vuelva a abrir el programa.")
                                 .arg(QDir::toNativeSeparators(target)));
    }
    if (!removeEntry(target))
        throw notInPlace(target, "cannot be removed");
    QFile out(target);
    // NewOnly creates exclusively (O_EXCL), which never follows a link.
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (entryExists(target)) {
            qCWarning(lcStartup) << "someone else made" << target << "while the working copy was made";
            throw CatalogueError(QStringLiteral("Otro programa ha creado el archivo «%1» mientras se copiaba el "
                                                "catálogo. Cierre el programa y vuelva a abrirlo.")
                                     .arg(QDir::toNativeSeparators(target)));
        }
        throw notInPlace(target, "cannot be made", out.errorString());
    }
    if (!copyContents(in, out) || !out.setPermissions(out.permissions() | QFile::ReadOwner | QFile::WriteOwner)) {
        const QString reason = out.error() != QFile::NoError ? out.errorString() : in.errorString();
        out.remove(); // never left looking complete
        throw notInPlace(target, "could not be written", reason);
    }
}

} // namespace modcol

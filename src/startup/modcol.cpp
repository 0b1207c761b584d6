#include "startup/modcol.h"

#include <exception>
#include <mutex>

#include <QCoreApplication>
#include <QDir>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "filelookup/cataloguepaths.h"
#include "startup/agencyfiles.h"
#include "startup/agencyname.h"
#include "startup/logging.h"
#include "startup/registro.h"
#include "startup/workingcopy.h"
#include "statements/statements.h"

namespace modcol {

QString RutaApp;
QString RutaTemp;
QString RutaBd;
QString NombreInmo;
std::unique_ptr<catalogue::Database> BaseDatos;

namespace {

// The working copy is made by the catalogue's first opening, off the
// window's thread, rather than by Main: a large catalogue takes a while to
// copy. Made once for each RutaTemp; a copy that failed reports why at
// every opening, in place of opening whatever has that name.
struct WorkingCopy
{
    std::mutex mutex;
    QString source; // empty until Main names it: RutaTemp is then the catalogue itself
    QString made; // the RutaTemp it was made for
    std::exception_ptr failure;
};

WorkingCopy &workingCopy()
{
    static WorkingCopy instance;
    return instance;
}

void makeWorkingCopy()
{
    WorkingCopy &copy = workingCopy();
    const std::lock_guard lock(copy.mutex);
    if (!copy.source.isEmpty() && copy.made != RutaTemp) {
        copy.made = RutaTemp;
        try {
            copyCatalogue(copy.source, RutaTemp);
            copy.failure = nullptr;
        } catch (...) {
            copy.failure = std::current_exception();
        }
    }
    if (copy.failure)
        std::rethrow_exception(copy.failure);
}

} // namespace

catalogue::Database &baseDatos()
{
    if (!BaseDatos)
        throw catalogue::CatalogueError(QStringLiteral("No hay ningún catálogo abierto."));
    return *BaseDatos;
}

BaseFolders baseFolders()
{
    return {RutaApp, RutaBd};
}

void Main()
{
    startRun(QCoreApplication::applicationDirPath());
}

void startRun(const QString &programFolder)
{
    RutaBd = folderOf(LeeRegistro());
    RutaApp = programFolder + QLatin1Char('/');
    RutaTemp = workingCopyPath(QDir::tempPath(), QDateTime::currentDateTime());
    prepareFolderLookups(baseFolders());
    const QString catalogue = existingFile(RutaApp, CatalogueFile);
    {
        const std::lock_guard lock(workingCopy().mutex);
        workingCopy().source = catalogue.isEmpty() ? RutaApp + CatalogueFile : catalogue;
        workingCopy().made.clear();
    }
    NombreInmo = readAgencyName(existingFile(RutaApp, AgencyNameFile));
    qCDebug(lcStartup) << "RutaApp" << RutaApp << "RutaBd" << RutaBd << "RutaTemp" << RutaTemp << "NombreInmo"
                       << NombreInmo;
}

std::unique_ptr<catalogue::Database> openCatalogue(const QString &path)
{
    auto database = catalogue::Database::OpenDatabase(path, QStringLiteral(";PWD=pinoverdes_"));
    declareStatementIndexes(*database);
    qCDebug(lcStartup) << "catalogue opened:" << path;
    return database;
}

std::unique_ptr<catalogue::Database> openWorkingCopy()
{
    makeWorkingCopy();
    return openCatalogue(RutaTemp);
}

void AbreBaseDatos()
{
    if (!BaseDatos)
        BaseDatos = openWorkingCopy();
}

} // namespace modcol

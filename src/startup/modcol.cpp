#include "startup/modcol.h"

#include <exception>

#include <QCoreApplication>
#include <QDir>

#include "catalogue/database.h"
#include "startup/agencyname.h"
#include "startup/cataloguepaths.h"
#include "startup/logging.h"
#include "startup/registro.h"
#include "startup/statements.h"
#include "startup/workingcopy.h"

namespace modcol {

QString RutaApp;
QString RutaTemp;
QString RutaBd;
QString NombreInmo;
std::unique_ptr<catalogue::Database> BaseDatos;

namespace {

// Why the working copy is not in place; the catalogue's first opening
// reports it, in place of opening whatever has that name.
std::exception_ptr copyFailure;

} // namespace

BaseFolders baseFolders()
{
    return {RutaApp, RutaBd};
}

void Main()
{
    RutaBd = folderOf(LeeRegistro());
    RutaApp = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    RutaTemp = workingCopyPath(QDir::tempPath(), QDateTime::currentDateTime());
    prepareFolderLookups(baseFolders());
    const QString catalogue = existingFile(RutaApp, QStringLiteral("brezomar.mdb"));
    try {
        copyCatalogue(catalogue.isEmpty() ? RutaApp + QStringLiteral("brezomar.mdb") : catalogue, RutaTemp);
        copyFailure = nullptr;
    } catch (...) {
        copyFailure = std::current_exception();
    }
    NombreInmo = readAgencyName(existingFile(RutaApp, QStringLiteral("nombreinmobiliaria.txt")));
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

void AbreBaseDatos()
{
    if (BaseDatos)
        return;
    if (copyFailure)
        std::rethrow_exception(copyFailure);
    BaseDatos = openCatalogue(RutaTemp);
}

} // namespace modcol

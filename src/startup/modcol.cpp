#include "startup/modcol.h"

#include <QCoreApplication>
#include <QDir>

#include "catalogue/database.h"
#include "startup/agencyname.h"
#include "startup/cataloguepaths.h"
#include "startup/registro.h"
#include "startup/statements.h"
#include "startup/workingcopy.h"

namespace modcol {

QString RutaApp;
QString RutaTemp;
QString RutaBd;
QString NombreInmo;
std::unique_ptr<catalogue::Database> BaseDatos;

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
    copyCatalogue(existingFile(RutaApp, QStringLiteral("brezomar.mdb")), RutaTemp);
    NombreInmo = readAgencyName(existingFile(RutaApp, QStringLiteral("nombreinmobiliaria.txt")));
}

void AbreBaseDatos()
{
    if (BaseDatos)
        return;
    BaseDatos = catalogue::Database::OpenDatabase(RutaTemp, QStringLiteral(";PWD=pinoverdes_"));
    declareStatementIndexes(*BaseDatos);
}

} // namespace modcol

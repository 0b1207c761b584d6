#include "catalogue/catalogueerror.h"

#include <QDir>

namespace catalogue {

namespace {

QString quoted(const QString &path)
{
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

} // namespace

CatalogueError::CatalogueError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

CatalogueError CatalogueError::missingFile(const QString &path)
{
    return CatalogueError(QStringLiteral("No se encuentra el archivo %1.").arg(quoted(path)));
}

CatalogueError CatalogueError::unreadable(const QString &path, const QString &reason)
{
    return CatalogueError(
        QStringLiteral("No se puede leer el archivo %1: %2.").arg(quoted(path), reason));
}

CatalogueError CatalogueError::notADatabase(const QString &path)
{
    return CatalogueError(
        QStringLiteral("El archivo %1 no es una base de datos válida.").arg(quoted(path)));
}

CatalogueError CatalogueError::damaged(const QString &path, const QString &detail)
{
    CatalogueError error(QStringLiteral("La base de datos %1 está dañada (%2).").arg(quoted(path), detail));
    error.m_damage = true;
    return error;
}

CatalogueError CatalogueError::wrongPassword(const QString &path)
{
    return CatalogueError(
        QStringLiteral("La contraseña no es válida para la base de datos %1.").arg(quoted(path)));
}

} // namespace catalogue

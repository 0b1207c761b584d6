#include "catalogue/private/sqliteerror.h"

#include <QRegularExpression>

namespace catalogue {

namespace {

QString inSpanish(const QString &message)
{
    static const QList<QPair<QRegularExpression, QString>> translations = {
        {QRegularExpression(QStringLiteral("^no such table: (.*)$")), QStringLiteral("no existe la tabla «%1»")},
        {QRegularExpression(QStringLiteral("^no such column: (.*)$")), QStringLiteral("no existe el campo «%1»")},
        {QRegularExpression(QStringLiteral("^ambiguous column name: (.*)$")),
         QStringLiteral("el campo «%1» está en varias tablas")},
        {QRegularExpression(QStringLiteral("^no such function: (.*)$")), QStringLiteral("no existe la función «%1»")},
        {QRegularExpression(QStringLiteral("^near \"(.*)\": syntax error$")),
         QStringLiteral("error de sintaxis cerca de «%1»")},
        {QRegularExpression(QStringLiteral("^unrecognized token: \"(.*)\"$")),
         QStringLiteral("no se entiende «%1»")},
        {QRegularExpression(QStringLiteral("^(incomplete input)$")), QStringLiteral("la instrucción está incompleta")},
    };
    for (const auto &[pattern, spanish] : translations) {
        const QRegularExpressionMatch match = pattern.match(message);
        if (match.hasMatch())
            return spanish.contains(QLatin1String("%1")) ? spanish.arg(match.captured(1)) : spanish;
    }
    return message;
}

} // namespace

CatalogueError statementError(sqlite3 *db)
{
    const QString message = QString::fromUtf16(static_cast<const char16_t *>(sqlite3_errmsg16(db)));
    return CatalogueError(QStringLiteral("No se puede ejecutar la consulta: %1.").arg(inSpanish(message)));
}

} // namespace catalogue

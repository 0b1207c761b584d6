#include "results/filterclauses.h"

#include "catalogue/sqltext.h"

namespace results {

namespace {

// Only blanks count as empty: a name of blanks alone filters nothing.
bool isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

QString textClause(const char *column, const QString &value)
{
    return QStringLiteral(" and %1=%2 ").arg(QLatin1String(column), catalogue::textLiteral(value));
}

} // namespace

QString filterClauses(const FilterValues &values, bool includeAll)
{
    QString clauses;
    if (!isBlank(values.type))
        clauses += textClause("tipo.tipo_ofer", values.type);
    if (!isBlank(values.city))
        clauses += textClause("ciudad.ciudad", values.city);
    if (includeAll) {
        if (!isBlank(values.zone))
            clauses += textClause("zonas.zona", values.zone);
        if (!values.lowestPrice.isEmpty())
            clauses += QStringLiteral(" and ofertas.precioinmo>=") + values.lowestPrice;
        if (!values.highestPrice.isEmpty())
            clauses += QStringLiteral(" and ofertas.precioinmo<=") + values.highestPrice;
        if (values.pool)
            clauses += QStringLiteral(" and (ofertas.piscina_prop=true or ofertas.piscina_com=true)");
    }
    return clauses + QLatin1Char(' ');
}

} // namespace results

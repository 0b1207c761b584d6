#include "results/montafiltro.h"

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
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QStringLiteral(" and %1='%2' ").arg(QLatin1String(column), quoted);
}

} // namespace

QString MontaFiltro(const FiltroBusqueda &filtro, bool IncluirTodo)
{
    QString s;
    if (!isBlank(filtro.tipo))
        s += textClause("tipo.tipo_ofer", filtro.tipo);
    if (!isBlank(filtro.ciudad))
        s += textClause("ciudad.ciudad", filtro.ciudad);
    if (IncluirTodo) {
        if (!isBlank(filtro.zona))
            s += textClause("zonas.zona", filtro.zona);
        if (!filtro.desde.isEmpty())
            s += QStringLiteral(" and ofertas.precioinmo>=") + filtro.desde;
        if (!filtro.hasta.isEmpty())
            s += QStringLiteral(" and ofertas.precioinmo<=") + filtro.hasta;
        if (filtro.piscina)
            s += QStringLiteral(" and (ofertas.piscina_prop=true or ofertas.piscina_com=true)");
    }
    return s + QLatin1Char(' ');
}

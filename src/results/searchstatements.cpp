#include "results/searchstatements.h"

namespace searchstatements {
namespace {

QString offersWithPlace()
{
    return QStringLiteral("ciudad,ofertas,tipo,zonas where  key_loca=cod_ciu and key_zona=cod_zona "
                          "and key_tipo=cod_tipo and ofertas.cod_ofer>0 ");
}

} // namespace

QString tipos()
{
    return QStringLiteral("select distinct tipo.tipo_ofer from ") + offersWithPlace()
        + QStringLiteral("order by tipo.tipo_ofer");
}

QString ciudades(const QString &filtro)
{
    return QStringLiteral("select distinct ciudad.ciudad from ") + offersWithPlace() + filtro
        + QStringLiteral(" order by ciudad.ciudad");
}

QString zonas(const QString &filtro)
{
    return QStringLiteral("select distinct zonas.zona from ") + offersWithPlace() + filtro
        + QStringLiteral(" order by zonas.zona");
}

QString busqueda(const QString &filtro)
{
    return QStringLiteral("select cod_ofer, precioinmo from ") + offersWithPlace() + filtro
        + QStringLiteral(" order by precioinmo, ofertas.Cod_Ofer");
}

QString primeraFoto(const QString &codOfer)
{
    return QStringLiteral("select ruta from fotos where keyofe=") + codOfer + QStringLiteral(" order by orden,codfoto");
}

} // namespace searchstatements

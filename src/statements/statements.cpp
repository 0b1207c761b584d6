#include "statements/statements.h"

#include "catalogue/database.h"

namespace modcol {
namespace {

QString offersWithPlace()
{
    return QStringLiteral("ciudad,ofertas,tipo,zonas where  key_loca=cod_ciu and key_zona=cod_zona "
                          "and key_tipo=cod_tipo and ofertas.cod_ofer>0 ");
}

QString key(int codOfer)
{
    return QString::number(codOfer);
}

// The card's offers and the names of their place, type, state of repair
// and orientation. An offer without a state of repair or an orientation is
// still there, with those names Null, so that the card walks exactly the
// offers of the pages.
QString cardSource()
{
    return QStringLiteral(
        "FROM zonas INNER JOIN (tipo INNER JOIN (ciudad INNER JOIN "
        "((ofertas LEFT JOIN tipoconservacion ON ofertas.Conservacion = tipoconservacion.idconservacion) "
        "LEFT JOIN tipoori ON ofertas.keyori = tipoori.idori) ON ciudad.Cod_Ciu = ofertas.Key_Loca) ON "
        "tipo.Cod_Tipo = ofertas.Key_Tipo) ON zonas.Cod_Zona = ofertas.Key_Zona where cod_ofer>0 ");
}

} // namespace

QString typeListStatement()
{
    return QStringLiteral("select distinct tipo.tipo_ofer from ") + offersWithPlace()
        + QStringLiteral("order by tipo.tipo_ofer");
}

QString cityListStatement(const QString &clauses)
{
    return QStringLiteral("select distinct ciudad.ciudad from ") + offersWithPlace() + clauses
        + QStringLiteral(" order by ciudad.ciudad");
}

QString zoneListStatement(const QString &clauses)
{
    return QStringLiteral("select distinct zonas.zona from ") + offersWithPlace() + clauses
        + QStringLiteral(" order by zonas.zona");
}

QString searchStatement(const QString &clauses)
{
    return QStringLiteral("select cod_ofer, precioinmo from ") + offersWithPlace() + clauses
        + QStringLiteral(" order by precioinmo, ofertas.Cod_Ofer");
}

QString firstPhotoStatement(int codOfer)
{
    return QStringLiteral("select ruta from fotos where keyofe=") + key(codOfer)
        + QStringLiteral(" order by orden,codfoto");
}

QString cardOffersStatement(const QString &where)
{
    return QStringLiteral("SELECT ofertas.Cod_Ofer ") + cardSource() + where
        + QStringLiteral(" order by precioinmo, ofertas.Cod_Ofer");
}

QString cardStatement(int codOfer)
{
    return QStringLiteral("SELECT ofertas.Cod_Ofer,ciudad.Ciudad, zonas.Zona, tipo.Tipo_Ofer, tipo.tipo_ofer2, "
                          "tipoconservacion.conservacion2 as txtconser2, tipoori.orientacion2, "
                          "tipoconservacion.conservacion as txtconser, tipoori.orientacion, ofertas.* ")
        + cardSource() + QStringLiteral(" and ofertas.Cod_Ofer=") + key(codOfer);
}

QString qualitiesStatement()
{
    return QStringLiteral("select * from auxcalid");
}

QString cardPhotosStatement(int codOfer)
{
    return QStringLiteral("select * from fotos where keyofe=") + key(codOfer) + QStringLiteral(" order by orden");
}

QString extractionPhotosStatement(int codOfer)
{
    return QStringLiteral("select * from fotos where keyofe=") + key(codOfer);
}

QString viewerPhotosStatement(int codOfer)
{
    return QStringLiteral(
               "SELECT Fotos.CodFoto, Fotos.KeyOfe, Fotos.Ruta, Format(Precioinmo,\"#,##0 eur\") as precio, "
               "Tipo.Tipo_Ofer AS Tipo, Ciudad.Ciudad, Zonas.Zona,ofertas.ref,fotos.orden FROM Zonas INNER JOIN (Tipo "
               "INNER JOIN (Ciudad INNER JOIN (Fotos INNER JOIN Ofertas ON Fotos.KeyOfe = Ofertas.Cod_Ofer) ON "
               "Ciudad.Cod_Ciu = Ofertas.Key_Loca) ON Tipo.Cod_Tipo = Ofertas.Key_Tipo) ON Zonas.Cod_Zona = "
               "Ofertas.Key_Zona WHERE fotos.keyofe=")
        + key(codOfer) + QStringLiteral(" and nomostrar=false order by orden asc,Fotos.CodFoto");
}

void declareStatementIndexes(catalogue::Database &database)
{
    // Chosen by the query plans SQLite makes for the statements above.
    // (ofertas.Conservacion and keyori are joined from the offer to its
    // look-up row, and fotos.CodFoto is only sorted on within one offer's
    // photos: indexes on them would go unused.)
    const struct
    {
        const char *table;
        QStringList columns;
    } indexes[] = {
        {"ofertas", {QStringLiteral("Cod_Ofer")}},
        // Covers the lists' joins, so they never read an offer's row.
        {"ofertas", {QStringLiteral("Key_Tipo"), QStringLiteral("Key_Loca"), QStringLiteral("Key_Zona")}},
        {"ofertas", {QStringLiteral("Key_Loca")}},
        {"ofertas", {QStringLiteral("Key_Zona")}},
        // Covers the search: offers in price order with the keys it joins on.
        {"ofertas",
         {QStringLiteral("precioinmo"), QStringLiteral("Cod_Ofer"), QStringLiteral("Key_Tipo"),
          QStringLiteral("Key_Loca"), QStringLiteral("Key_Zona")}},
        {"ciudad", {QStringLiteral("Cod_Ciu")}},
        {"ciudad", {QStringLiteral("Ciudad")}},
        {"zonas", {QStringLiteral("Cod_Zona")}},
        {"zonas", {QStringLiteral("Zona")}},
        {"tipo", {QStringLiteral("Cod_Tipo")}},
        {"tipo", {QStringLiteral("Tipo_Ofer")}},
        {"tipoconservacion", {QStringLiteral("idconservacion")}},
        {"tipoori", {QStringLiteral("idori")}},
        {"fotos", {QStringLiteral("KeyOfe")}},
    };
    for (const auto &index : indexes)
        database.declareIndex(QLatin1String(index.table), index.columns);
}

} // namespace modcol

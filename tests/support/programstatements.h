#pragma once

#include <QString>

// The statements the windows send, word for word as they send them, for the
// engine's tests and benchmark. `filter` is a run of filter clauses, " " for none.
namespace programstatements {

inline QString join()
{
    return QStringLiteral("key_loca=cod_ciu and key_zona=cod_zona and key_tipo=cod_tipo ");
}

inline QString typeList()
{
    return QStringLiteral("select distinct tipo.tipo_ofer from ciudad,ofertas,tipo,zonas where  ") + join().trimmed()
        + QStringLiteral(" order by tipo.tipo_ofer");
}

inline QString cityList(const QString &filter)
{
    return QStringLiteral("select distinct ciudad.ciudad from ciudad,ofertas,tipo,zonas where ") + join() + filter
        + QStringLiteral(" order by ciudad.ciudad");
}

inline QString zoneList(const QString &filter)
{
    return QStringLiteral("select distinct zonas.zona from ciudad,ofertas,tipo,zonas where  ") + join() + filter
        + QStringLiteral(" order by zonas.zona");
}

inline QString search(const QString &filter)
{
    return QStringLiteral("select cod_ofer, precioinmo from ciudad,ofertas,tipo,zonas where  ") + join() + filter
        + QStringLiteral(" order by precioinmo");
}

inline QString card(const QString &filter)
{
    return QStringLiteral(
               "SELECT ofertas.Cod_Ofer,ciudad.Ciudad, zonas.Zona, tipo.Tipo_Ofer, tipo.tipo_ofer2, "
               "tipoconservacion.conservacion2 as txtconser2, tipoori.orientacion2, tipoconservacion.conservacion as "
               "txtconser, tipoori.orientacion, ofertas.* FROM zonas INNER JOIN (tipo INNER JOIN (ciudad INNER JOIN "
               "((ofertas INNER JOIN tipoconservacion ON ofertas.Conservacion = tipoconservacion.idconservacion) "
               "INNER JOIN tipoori ON ofertas.keyori = tipoori.idori) ON ciudad.Cod_Ciu = ofertas.Key_Loca) ON "
               "tipo.Cod_Tipo = ofertas.Key_Tipo) ON zonas.Cod_Zona = ofertas.Key_Zona where cod_ofer>0 ")
        + filter + QStringLiteral(" order by precioinmo");
}

inline QString viewer(int key)
{
    return QStringLiteral(
               "SELECT Fotos.CodFoto, Fotos.KeyOfe, Fotos.Ruta, Format(Precioinmo,\"#,##0 eur\") as precio, "
               "Tipo.Tipo_Ofer AS Tipo, Ciudad.Ciudad, Zonas.Zona,ofertas.ref,fotos.orden FROM Zonas INNER JOIN (Tipo "
               "INNER JOIN (Ciudad INNER JOIN (Fotos INNER JOIN Ofertas ON Fotos.KeyOfe = Ofertas.Cod_Ofer) ON "
               "Ciudad.Cod_Ciu = Ofertas.Key_Loca) ON Tipo.Cod_Tipo = Ofertas.Key_Tipo) ON Zonas.Cod_Zona = "
               "Ofertas.Key_Zona WHERE fotos.keyofe=%1 and nomostrar=false order by orden asc,Fotos.CodFoto")
        .arg(key);
}

} // namespace programstatements

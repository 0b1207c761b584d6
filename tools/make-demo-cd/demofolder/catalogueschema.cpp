#include "demofolder/catalogueschema.h"

namespace demofolder {

const std::string &catalogueSchemaSql()
{
    static const std::string sql = R"sql(
CREATE TABLE ciudad (
    Cod_Ciu INTEGER,
    Ciudad TEXT(50)
);
CREATE TABLE zonas (
    Cod_Zona INTEGER,
    Zona TEXT(50)
);
CREATE TABLE tipo (
    Cod_Tipo INTEGER,
    Tipo_Ofer TEXT(50),
    tipo_ofer2 TEXT(50)
);
CREATE TABLE tipoconservacion (
    idconservacion INTEGER,
    conservacion TEXT(50),
    conservacion2 TEXT(50)
);
CREATE TABLE tipoori (
    idori INTEGER,
    orientacion TEXT(30),
    orientacion2 TEXT(30)
);
CREATE TABLE ofertas (
    Cod_Ofer INTEGER,
    ref TEXT(20),
    Key_Tipo INTEGER,
    Key_Loca INTEGER,
    Key_Zona INTEGER,
    precioinmo CURRENCY,
    Conservacion INTEGER,
    keyori INTEGER,
    piscina_prop BOOLEAN,
    piscina_com BOOLEAN,
    habitaciones SMALLINT,
    habdobles SMALLINT,
    "baños" SMALLINT,
    aseos SMALLINT,
    salon SMALLINT,
    numplanta SMALLINT,
    m_uties DOUBLE,
    m_cons DOUBLE,
    m_parcela DOUBLE,
    mtfachada DOUBLE,
    suelo TEXT(40),
    vistas TEXT(40),
    carpinteria TEXT(40),
    carpinext TEXT(40),
    calefaccion BOOLEAN,
    aireacondicionado BOOLEAN,
    ascensor BOOLEAN,
    garaje BOOLEAN,
    trastero BOOLEAN,
    terraza BOOLEAN,
    jardin BOOLEAN,
    amueblado BOOLEAN,
    fechaalta DATETIME,
    descripcion MEMO
);
CREATE TABLE fotos (
    CodFoto INTEGER,
    KeyOfe INTEGER,
    Ruta TEXT(100),
    orden SMALLINT,
    nomostrar BOOLEAN
);
CREATE TABLE auxcalid (
    nbcampo TEXT(50),
    nbtexto TEXT(50)
);
)sql";
    return sql;
}

const std::vector<QualityColumn> &qualityColumns()
{
    static const std::vector<QualityColumn> columns = {
        {"calefaccion", "Calefacción"},
        {"aireacondicionado", "Aire acondicionado"},
        {"ascensor", "Ascensor"},
        {"garaje", "Garaje"},
        {"trastero", "Trastero"},
        {"terraza", "Terraza"},
        {"jardin", "Jardín"},
        {"amueblado", "Amueblado"},
    };
    return columns;
}

} // namespace demofolder

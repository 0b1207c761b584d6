#include "demofolder/demovocabulary.h"

namespace demofolder {

const std::vector<CityWords> &cityWords()
{
    static const std::vector<CityWords> words = {
        {1, "Málaga", "MA", {"Centro", "El Palo", "Pedregalejo", "Teatinos"}, 110, true},
        {2, "MARBELLA", "MB", {"Nueva Andalucía", "Puerto Banús", "Centro", "Las Chapas"}, 180, true},
        {3, "Cádiz", "CA", {"Casco Antiguo", "Playa Victoria", "Extramuros"}, 95, true},
        {4, "ÁVILA", "AV", {"Centro", "La Toledana", "Las Hervencias"}, 60, true},
        {5, "L'Alfàs del Pi", "AL", {"Playa de l'Albir", "Centro", "Escandinavia"}, 105, true},
        {6, "Benidorm", "BE", {"Levante", "Poniente", "Rincón de Loix"}, 100, true},
        {7, "Sevilla", "SE", {"Triana", "Nervión", "Los Remedios", "Santa Cruz"}, 100, true},
        {8, "Nerja", "NE", {"Burriana", "Centro", "Maro"}, 120, true},
        {9, "Córdoba", "CO", {"Judería", "Ciudad Jardín"}, 75, true},
        {10, "ESTEPONA", "ES", {"Centro", "El Padrón", "Selwo"}, 130, true},
        {11, "Granada", "GR", {"Albaicín", "Realejo"}, 90, false},
    };
    return words;
}

const std::vector<TypeWords> &typeWords()
{
    static const std::vector<TypeWords> words = {
        {1, "Piso", "Flat", PropertyKind::Flat, 160000, true},
        {2, "Apartamento", "Apartment", PropertyKind::Flat, 130000, true},
        {3, "Chalet", "Detached house", PropertyKind::House, 420000, true},
        {4, "Adosado", "Terraced house", PropertyKind::House, 240000, true},
        {5, "Ático", "Penthouse", PropertyKind::Flat, 290000, true},
        {6, "Dúplex", "Duplex", PropertyKind::Flat, 210000, true},
        {7, "Local comercial", "Commercial premises", PropertyKind::Premises, 150000, true},
        {8, "Solar", "Building plot", PropertyKind::Plot, 120000, true},
        {9, "Casa de campo", "Country house", PropertyKind::House, 310000, true},
        {10, "Estudio", "Studio", PropertyKind::Flat, 90000, false},
    };
    return words;
}

const std::vector<PairWords> &conservationWords()
{
    static const std::vector<PairWords> words = {
        {1, "A estrenar", "Brand new"},
        {2, "Buen estado", "Good condition"},
        {3, "Reformado", "Refurbished"},
        {4, "A reformar", "Needs renovation"},
        {5, "En construcción", "Under construction"},
    };
    return words;
}

const std::vector<PairWords> &orientationWords()
{
    static const std::vector<PairWords> words = {
        {1, "Norte", "North"},     {2, "Sur", "South"},
        {3, "Este", "East"},       {4, "Oeste", "West"},
        {5, "Sureste", "South-east"}, {6, "Suroeste", "South-west"},
        {7, "Noreste", "North-east"}, {8, "Noroeste", "North-west"},
    };
    return words;
}

const std::vector<const char *> &floorWords()
{
    static const std::vector<const char *> words = {
        "Gres", "Mármol", "Parquet", "Terrazo", "Tarima flotante", "Porcelánico"};
    return words;
}

const std::vector<const char *> &viewWords()
{
    static const std::vector<const char *> words = {
        "Al mar", "A la montaña", "Despejadas", "A la piscina", "Al jardín", "A la calle"};
    return words;
}

const std::vector<const char *> &innerJoinery()
{
    static const std::vector<const char *> words = {
        "Madera", "Roble", "Pino", "Lacada en blanco", "Sapelly"};
    return words;
}

const std::vector<const char *> &outerJoinery()
{
    static const std::vector<const char *> words = {
        "Aluminio", "Aluminio lacado", "PVC", "Climalit", "Madera"};
    return words;
}

} // namespace demofolder

#pragma once

#include <vector>

namespace demofolder {

// The Spanish words the demo catalogue is made of.

struct CityWords
{
    int key;
    const char *name;      // as stored: a few in capitals, as agencies type them
    const char *refPrefix; // first letters of the offers' references
    std::vector<const char *> zones;
    int pricePercent;      // local price level, 100 = average
    bool hasOffers;        // a city row that no offer uses is realistic too
};

enum class PropertyKind { Flat, House, Premises, Plot };

struct TypeWords
{
    int key;
    const char *name;
    const char *second;
    PropertyKind kind;
    int basePrice; // euros
    bool hasOffers;
};

struct PairWords
{
    int key;
    const char *text;
    const char *second;
};

const std::vector<CityWords> &cityWords();
const std::vector<TypeWords> &typeWords();
const std::vector<PairWords> &conservationWords();
const std::vector<PairWords> &orientationWords();

const std::vector<const char *> &floorWords();      // suelo
const std::vector<const char *> &viewWords();       // vistas
const std::vector<const char *> &innerJoinery();    // carpinteria
const std::vector<const char *> &outerJoinery();    // carpinext

} // namespace demofolder

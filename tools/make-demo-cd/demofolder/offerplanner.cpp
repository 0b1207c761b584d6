#include "demofolder/offerplanner.h"

#include "demofolder/catalogueschema.h"
#include "demofolder/demoquirks.h"
#include "demofolder/demovocabulary.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>

#include <cmath>
#include <cstring>

namespace demofolder {

namespace {

// Keys that have no row in their look-up table.
constexpr int MissingConservationKey = 9;
constexpr int MissingOrientationKey = 0;

// Keys of demovocabulary.cpp that the peculiarities name.
constexpr int CityWithApostrophe = 5; // L'Alfàs del Pi
constexpr int ApartmentType = 2;
constexpr int ChaletType = 3;
constexpr int PenthouseType = 5;

// Property types by frequency: flats and apartments lead, as in any catalogue.
const std::vector<int> TypeDraw = {1, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 5, 6, 7, 8, 9};

const CityWords &cityWithKey(int key)
{
    for (const CityWords &city : cityWords()) {
        if (city.key == key)
            return city;
    }
    return cityWords().front();
}

const TypeWords &typeWithKey(int key)
{
    for (const TypeWords &type : typeWords()) {
        if (type.key == key)
            return type;
    }
    return typeWords().front();
}

// A surface in square metres: whole as a rule, now and then with a half.
double surface(DemoRandom &random, int low, int high)
{
    double value = random.between(low, high);
    if (random.chance(1, 4))
        value += 0.5;
    return value;
}

// The built surface: the useful one plus walls, to one decimal.
double builtFrom(double useful, DemoRandom &random)
{
    return std::round(useful * (110 + random.below(15))) / 100.0;
}

QString word(DemoRandom &random, const std::vector<const char *> &words)
{
    return QString::fromUtf8(random.pick(words));
}

std::optional<QString> wordOrNull(DemoRandom &random, const std::vector<const char *> &words,
                                  int nullOneIn)
{
    if (random.chance(1, nullOneIn))
        return std::nullopt;
    return word(random, words);
}

bool qualityApplies(const char *column, PropertyKind kind, DemoRandom &random)
{
    const auto is = [column](const char *name) { return std::strcmp(column, name) == 0; };
    if (kind == PropertyKind::Plot)
        return false;
    if (is("ascensor"))
        return kind == PropertyKind::Flat && random.chance(2, 3);
    if (is("jardin"))
        return random.chance(kind == PropertyKind::House ? 3 : 1, 4);
    if (is("amueblado"))
        return kind != PropertyKind::Premises && random.chance(1, 4);
    if (is("terraza"))
        return kind != PropertyKind::Premises && random.chance(1, 2);
    return random.chance(2, 5);
}

// Decimal comma, as the description is Spanish prose.
QString proseNumber(double value)
{
    return QString::number(value, 'g', 8).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Names stored in capitals read better in a description in ordinary case.
QString proseName(const QString &stored)
{
    if (stored != stored.toUpper())
        return stored;
    QString lower = stored.toLower();
    lower[0] = lower[0].toUpper();
    return lower;
}

} // namespace

OfferPlanner::OfferPlanner(CataloguePlan &plan, DemoRandom &random)
    : m_plan(plan)
    , m_random(random)
{
}

void OfferPlanner::planLookups()
{
    for (const CityWords &city : cityWords()) {
        m_plan.ciudades.push_back({city.key, QString::fromUtf8(city.name), {}});
        for (const char *zone : city.zones) {
            if (zoneKey(zone) == 0) {
                const int key = static_cast<int>(m_plan.zonas.size()) + 1;
                m_plan.zonas.push_back({key, QString::fromUtf8(zone), {}});
            }
        }
    }
    for (const TypeWords &type : typeWords())
        m_plan.tipos.push_back({type.key, QString::fromUtf8(type.name), QString::fromUtf8(type.second)});
    for (const PairWords &pair : conservationWords())
        m_plan.conservaciones.push_back({pair.key, QString::fromUtf8(pair.text), QString::fromUtf8(pair.second)});
    for (const PairWords &pair : orientationWords())
        m_plan.orientaciones.push_back({pair.key, QString::fromUtf8(pair.text), QString::fromUtf8(pair.second)});
}

void OfferPlanner::planOffers(int offerCount)
{
    int previousKey = 123;
    for (int index = 0; index < offerCount; ++index) {
        m_plan.offers.push_back(makeOffer(index, previousKey));
        previousKey = std::max(previousKey, m_plan.offers.back().key);
    }
}

int OfferPlanner::zoneKey(const char *name) const
{
    const QString text = QString::fromUtf8(name);
    for (const LookupRow &row : m_plan.zonas) {
        if (row.text == text)
            return row.key;
    }
    return 0;
}

OfferRow OfferPlanner::makeOffer(int index, int previousKey)
{
    OfferRow offer;
    // 7, 12 and 123: each key a prefix of the next, which thumbnail look-ups
    // by "<key>cd" must tell apart.
    switch (index) {
    case UpperCaseThumbnail: offer.key = 7; break;
    case PlainFirstPhoto: offer.key = 12; break;
    case PrefixKey: offer.key = 123; break;
    default: offer.key = previousKey + 1 + m_random.below(4); break;
    }

    std::vector<const CityWords *> cities;
    for (const CityWords &city : cityWords()) {
        if (city.hasOffers)
            cities.push_back(&city);
    }
    const CityWords *city = m_random.pick(cities);
    const char *zone = m_random.pick(city->zones);
    int type = m_random.pick(TypeDraw);
    if (index == ApostropheZone) {
        city = &cityWithKey(CityWithApostrophe);
        zone = city->zones.front();
    }
    if (index == PrivatePool || index == BothPools)
        type = ChaletType;
    if (index == CommunalPool)
        type = ApartmentType;

    offer.ciudad = city->key;
    offer.zona = zoneKey(zone);
    offer.tipo = type;
    const TypeWords &words = typeWithKey(type);

    const QString number = QStringLiteral("%1").arg(offer.key, 4, 10, QLatin1Char('0'));
    const QString separator = m_random.chance(1, 5) ? QStringLiteral(":") : QStringLiteral("/");
    offer.ref = QString::fromLatin1(city->refPrefix) + separator + number;

    const std::int64_t euros = std::int64_t(words.basePrice) * city->pricePercent / 100
                               * m_random.between(70, 140) / 100;
    offer.priceCents = (euros + 500) / 1000 * 1000 * 100;
    if (m_random.chance(1, 8))
        offer.priceCents += 50;
    if (m_random.chance(1, 40))
        offer.priceCents = 0;

    offer.conservacion = m_random.between(1, 5);
    offer.orientacion = m_random.between(1, 8);

    fillDetails(offer, words.kind);

    const QDate day = QDate(2024, 1, 1).addDays(-m_random.between(0, 1500));
    const QTime time = QTime(0, 0).addSecs(m_random.between(9 * 3600, 20 * 3600 - 1));
    offer.fechaAlta = QDateTime(day, time).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));

    applyQuirk(offer, index);
    offer.descripcion = describe(offer);
    if (index == LongDescription) {
        // Longer than the 16 KB a memo reader may bind by default.
        const QString paragraph = offer.descripcion + QLatin1Char('\n');
        while (offer.descripcion.size() < 20000)
            offer.descripcion += paragraph;
    }
    return offer;
}

void OfferPlanner::fillDetails(OfferRow &offer, PropertyKind kind)
{
    DemoRandom &r = m_random;
    switch (kind) {
    case PropertyKind::Flat: {
        const int rooms = r.between(1, 4);
        offer.habitaciones = rooms;
        offer.habdobles = r.between(1, rooms);
        offer.banos = r.between(1, 2);
        offer.aseos = r.between(0, 1);
        offer.salon = r.chance(1, 8) ? std::optional<int>() : 1;
        offer.numplanta = r.chance(1, 10) ? std::optional<int>()
                          : offer.tipo == PenthouseType ? r.between(4, 15) : r.between(0, 12);
        offer.mUtiles = surface(r, 35 + 20 * rooms, 60 + 30 * rooms);
        offer.mCons = builtFrom(*offer.mUtiles, r);
        if (r.chance(1, 3))
            offer.mFachada = surface(r, 6, 15);
        offer.piscinaCom = r.chance(2, 5);
        break;
    }
    case PropertyKind::House: {
        const int rooms = r.between(2, 6);
        offer.habitaciones = rooms;
        offer.habdobles = r.between(1, rooms);
        offer.banos = r.between(1, 3);
        offer.aseos = r.between(0, 2);
        offer.salon = r.between(1, 2);
        offer.numplanta = r.between(1, 3);
        offer.mUtiles = surface(r, 60 + 25 * rooms, 90 + 40 * rooms);
        offer.mCons = builtFrom(*offer.mUtiles, r);
        offer.mParcela = surface(r, 150, 2500);
        offer.mFachada = surface(r, 8, 40);
        offer.piscinaProp = r.chance(3, 5);
        offer.piscinaCom = r.chance(1, 10);
        break;
    }
    case PropertyKind::Premises:
        offer.aseos = r.between(1, 2);
        offer.numplanta = r.between(0, 1);
        offer.mUtiles = surface(r, 40, 400);
        offer.mCons = builtFrom(*offer.mUtiles, r);
        offer.mFachada = surface(r, 4, 25);
        break;
    case PropertyKind::Plot:
        offer.mParcela = surface(r, 300, 6000);
        offer.mFachada = surface(r, 10, 60);
        break;
    }

    if (kind != PropertyKind::Plot) {
        offer.suelo = word(r, floorWords());
        offer.vistas = wordOrNull(r, viewWords(), 5);
        offer.carpinext = wordOrNull(r, outerJoinery(), 6);
        if (kind != PropertyKind::Premises)
            offer.carpinteria = word(r, innerJoinery());
    } else if (r.chance(1, 2)) {
        offer.vistas = word(r, viewWords());
    }

    for (const QualityColumn &quality : qualityColumns())
        offer.qualities.push_back(qualityApplies(quality.column, kind, r));
}

void OfferPlanner::applyQuirk(OfferRow &offer, int index)
{
    switch (index) {
    case UnknownConservation: offer.conservacion = MissingConservationKey; break;
    case UnknownOrientation: offer.orientacion = MissingOrientationKey; break;
    case BigPrice: offer.priceCents = 123456760; break;
    case FreePriceA:
    case FreePriceB: offer.priceCents = 0; break;
    case EqualPriceA:
    case EqualPriceB:
    case EqualPriceC: offer.priceCents = 15000000; break;
    case PrivatePool:
        offer.piscinaProp = true;
        offer.piscinaCom = false;
        break;
    case CommunalPool:
        offer.piscinaProp = false;
        offer.piscinaCom = true;
        break;
    case BothPools:
        offer.piscinaProp = true;
        offer.piscinaCom = true;
        break;
    case BlankAroundRef: offer.ref = QLatin1Char(' ') + offer.ref + QStringLiteral("  "); break;
    case UncleanRef:
        offer.ref = offer.ref.left(2) + QLatin1Char('\\') + offer.ref.mid(3)
                    + QStringLiteral(";\"B\"'");
        break;
    case NullDetails:
        offer.habitaciones = offer.habdobles = offer.banos = std::nullopt;
        offer.aseos = offer.salon = offer.numplanta = std::nullopt;
        offer.mUtiles = offer.mCons = offer.mParcela = offer.mFachada = std::nullopt;
        offer.suelo = offer.vistas = offer.carpinteria = offer.carpinext = std::nullopt;
        break;
    default: break;
    }
}

QString OfferPlanner::describe(const OfferRow &offer) const
{
    const QString type = typeWithKey(offer.tipo).name;
    const QString city = proseName(cityWithKey(offer.ciudad).name);
    QString zone;
    for (const LookupRow &row : m_plan.zonas) {
        if (row.key == offer.zona)
            zone = row.text;
    }
    QStringList parts;
    parts << QStringLiteral("%1 en venta en %2, zona %3.").arg(type, city, zone);
    if (offer.habitaciones) {
        const int rooms = *offer.habitaciones;
        const int baths = offer.banos.value_or(1);
        parts << QStringLiteral("Dispone de %1 %2 y %3 %4.")
                     .arg(rooms)
                     .arg(rooms == 1 ? QStringLiteral("dormitorio") : QStringLiteral("dormitorios"))
                     .arg(baths)
                     .arg(baths == 1 ? QStringLiteral("baño") : QStringLiteral("baños"));
    }
    if (offer.mCons)
        parts << QStringLiteral("Superficie construida de %1 m².").arg(proseNumber(*offer.mCons));
    else if (offer.mParcela)
        parts << QStringLiteral("Parcela de %1 m².").arg(proseNumber(*offer.mParcela));
    if (offer.vistas)
        parts << QStringLiteral("Vistas: %1.").arg(offer.vistas->toLower());
    if (offer.piscinaProp)
        parts << QStringLiteral("Piscina privada.");
    else if (offer.piscinaCom)
        parts << QStringLiteral("Piscina comunitaria.");
    parts << QStringLiteral("Consulte condiciones con la agencia; referencia %1.").arg(offer.ref.trimmed());
    return parts.join(QLatin1Char(' '));
}

} // namespace demofolder

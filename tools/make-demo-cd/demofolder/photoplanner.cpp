#include "demofolder/photoplanner.h"

#include "demofolder/demoquirks.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace demofolder {

namespace {

constexpr int PoolVariants = 4;
constexpr int ManyPhotosAtLeast = 12;

// Camera and scanner sizes of the time, both orientations.
const std::vector<QSize> PhotoSizes = {
    {800, 600}, {1024, 768}, {640, 480}, {1200, 900},
    {600, 800}, {768, 1024}, {900, 600}, {1280, 720},
};

std::uint32_t paletteFrom(DemoRandom &random)
{
    return static_cast<std::uint32_t>(random.below(1 << 30));
}

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

PhotoPlanner::PhotoPlanner(CataloguePlan &plan, DemoRandom &random)
    : m_plan(plan)
    , m_random(random)
{
}

void PhotoPlanner::planPhotos(int photosPerOffer)
{
    for (std::size_t i = 0; i < m_plan.offers.size(); ++i) {
        int count = photosPerOffer;
        if (static_cast<int>(i) == NoPhotos)
            count = 0;
        else if (static_cast<int>(i) == ManyPhotos && photosPerOffer > 0)
            count = std::max(photosPerOffer, ManyPhotosAtLeast);
        planOfferPhotos(i, count);
    }
}

void PhotoPlanner::planOfferPhotos(std::size_t offerIndex, int photoCount)
{
    const OfferRow &offer = m_plan.offers[offerIndex];
    const int index = static_cast<int>(offerIndex);
    const bool ownPictures = index < OffersWithOwnPictures;
    const int variant = m_random.below(PoolVariants);
    const std::vector<int> orders = ordersFor(index, photoCount);
    const QString extension = index == UpperCaseExtension ? QStringLiteral(".JPG") : QStringLiteral(".jpg");
    const std::size_t firstRow = m_plan.photos.size();

    for (int number = 1; number <= photoCount; ++number) {
        PhotoRow row;
        row.codFoto = m_nextCodFoto++;
        row.keyOfe = offer.key;
        row.ruta = QStringLiteral("fotos\\%1_%2%3")
                       .arg(offer.key, 5, 10, QLatin1Char('0'))
                       .arg(twoDigits(number), extension);
        row.orden = orders[static_cast<std::size_t>(number - 1)];
        row.nomostrar = index == HiddenPhotos || m_random.chance(1, 25);
        if (ownPictures) {
            row.kind = PhotoFileKind::Drawn;
            row.look.palette = paletteFrom(m_random);
            row.look.size = sizeFor(index, number);
            row.look.title = QStringLiteral("Ref. %1").arg(offer.ref.trimmed());
            row.look.subtitle = QStringLiteral("Foto %1 de %2").arg(number).arg(photoCount);
            if (index == ExifRotated && number == 1)
                row.exifOrientation = 6;
        } else {
            row.kind = PhotoFileKind::Pooled;
            row.poolIndex = poolIndexFor(number, variant);
        }
        if (index == MissingSecondPhoto && number == 2)
            row.kind = PhotoFileKind::Missing;
        m_plan.photos.push_back(row);
    }

    const std::size_t endRow = m_plan.photos.size();
    if (firstRow == endRow)
        return;
    // The photo a results cell falls back to: lowest orden, then lowest CodFoto.
    const auto first = std::min_element(
        m_plan.photos.begin() + static_cast<std::ptrdiff_t>(firstRow),
        m_plan.photos.begin() + static_cast<std::ptrdiff_t>(endRow),
        [](const PhotoRow &a, const PhotoRow &b) {
            return std::tie(a.orden, a.codFoto) < std::tie(b.orden, b.codFoto);
        });
    if (index == MissingFirstPhoto)
        first->kind = PhotoFileKind::Missing;

    const bool withThumbnail = index != PlainFirstPhoto && index != MissingFirstPhoto
                               && !(index >= QuirkCount && m_random.chance(1, 10));
    if (withThumbnail && first->kind != PhotoFileKind::Missing) {
        const QString stem = QString::number(offer.key);
        const QString ruta = index == UpperCaseThumbnail ? QStringLiteral("fotos\\%1CD.JPG").arg(stem)
                                                         : QStringLiteral("fotos\\%1cd.jpg").arg(stem);
        m_plan.thumbnails.push_back({ruta, static_cast<std::size_t>(first - m_plan.photos.begin())});
    }
}

std::vector<int> PhotoPlanner::ordersFor(int index, int photoCount)
{
    std::vector<int> orders(static_cast<std::size_t>(photoCount));
    std::iota(orders.begin(), orders.end(), 1);
    if (index == ShuffledOrder) {
        // Reversed, and the last two share one orden: CodFoto breaks the tie.
        std::reverse(orders.begin(), orders.end());
        if (photoCount >= 3)
            orders[orders.size() - 1] = orders[orders.size() - 2];
    } else if (m_random.chance(1, 6)) {
        m_random.shuffle(orders);
    }
    return orders;
}

QSize PhotoPlanner::sizeFor(int index, int number)
{
    if (number == 1 && (index == LargePhotoA || index == LargePhotoB || index == LargePhotoC))
        return {4000, 3000};
    if (number == 1 && index == ExifRotated)
        return {600, 800};
    return m_random.pick(PhotoSizes);
}

int PhotoPlanner::poolIndexFor(int number, int variant)
{
    const auto key = std::make_pair(number, variant);
    const auto found = m_poolIndexes.find(key);
    if (found != m_poolIndexes.end())
        return found->second;
    PooledPicture picture;
    picture.look.palette = paletteFrom(m_random);
    picture.look.size = (variant % 2 == 0) ? QSize(800, 600) : QSize(600, 800);
    picture.look.title = QStringLiteral("Foto %1").arg(number);
    picture.look.subtitle = QStringLiteral("Catálogo de demostración");
    const int poolIndex = static_cast<int>(m_plan.pool.size());
    m_plan.pool.push_back(picture);
    m_poolIndexes.emplace(key, poolIndex);
    return poolIndex;
}

} // namespace demofolder

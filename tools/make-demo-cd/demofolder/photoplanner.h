#pragma once

#include "demofolder/catalogueplan.h"
#include "demofolder/demorandom.h"

#include <map>
#include <utility>

namespace demofolder {

// Plans the `fotos` rows of every offer, the files behind them and the
// prepared thumbnails. The first offers (as many as a demo holds) get
// pictures of their own, with their reference written on them; the offers of
// a large catalogue share a small pool of pictures, linked on disk.
class PhotoPlanner
{
public:
    static constexpr int OffersWithOwnPictures = 100;
    static constexpr int ThumbnailWidth = 250;

    PhotoPlanner(CataloguePlan &plan, DemoRandom &random);

    void planPhotos(int photosPerOffer);

private:
    void planOfferPhotos(std::size_t offerIndex, int photoCount);
    std::vector<int> ordersFor(int index, int photoCount);
    QSize sizeFor(int index, int number);
    int poolIndexFor(int number, int variant);

    CataloguePlan &m_plan;
    DemoRandom &m_random;
    int m_nextCodFoto = 1;
    std::map<std::pair<int, int>, int> m_poolIndexes; // (photo number, variant) -> pool
};

} // namespace demofolder

#pragma once

#include "demofolder/catalogueplan.h"
#include "demofolder/demorandom.h"
#include "demofolder/demovocabulary.h"

namespace demofolder {

// Fills the look-up tables of the plan and `offerCount` offers, with the
// peculiarities of demoquirks.h at their positions.
class OfferPlanner
{
public:
    OfferPlanner(CataloguePlan &plan, DemoRandom &random);

    void planLookups();
    void planOffers(int offerCount);

private:
    OfferRow makeOffer(int index, int previousKey);
    void fillDetails(OfferRow &offer, PropertyKind kind);
    void applyQuirk(OfferRow &offer, int index);
    QString describe(const OfferRow &offer) const;
    int zoneKey(const char *name) const;

    CataloguePlan &m_plan;
    DemoRandom &m_random;
};

} // namespace demofolder

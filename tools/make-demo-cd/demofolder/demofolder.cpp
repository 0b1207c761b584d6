#include "demofolder/demofolder.h"

#include "demofolder/agencyfiles.h"
#include "demofolder/cataloguestore.h"
#include "demofolder/demorandom.h"
#include "demofolder/helpdocument.h"
#include "demofolder/offerplanner.h"
#include "demofolder/outputfiles.h"
#include "demofolder/photofiles.h"
#include "demofolder/photoplanner.h"

#include <QDir>
#include <QFile>

namespace demofolder {

namespace {

constexpr double FirstCreationDate = 45292.5; // 2024-01-01 at noon

// Removes what an earlier run made, so that nothing stale survives.
void clearEarlierRun(const QString &outDir)
{
    QDir fotos(outDir + QStringLiteral("/fotos"));
    if (fotos.exists() && !fotos.removeRecursively())
        throw DemoError(QStringLiteral("cannot empty %1").arg(fotos.path()).toStdString());
    for (const char *name : {"brezomar.mdb", "nombreinmobiliaria.txt", "logocolaborador.jpg",
                             "funcionesbrezomar.pdf"}) {
        const QString path = outDir + QLatin1Char('/') + QLatin1String(name);
        if (QFile::exists(path) && !QFile::remove(path))
            throw DemoError(QStringLiteral("cannot replace %1").arg(path).toStdString());
    }
}

} // namespace

CataloguePlan planCatalogue(const DemoOptions &options)
{
    CataloguePlan plan;
    DemoRandom random(options.seed);
    OfferPlanner offers(plan, random);
    offers.planLookups();
    offers.planOffers(options.offers);
    PhotoPlanner(plan, random).planPhotos(options.photosPerOffer);
    plan.creationDate = FirstCreationDate + options.seed % 1000;
    return plan;
}

void makeDemoFolder(const QString &outDir, const DemoOptions &options)
{
    const CataloguePlan plan = planCatalogue(options);
    if (!QDir().mkpath(outDir))
        throw DemoError(QStringLiteral("cannot create %1").arg(outDir).toStdString());
    clearEarlierRun(outDir);

    writeCatalogueFile(plan, outDir + QStringLiteral("/brezomar.mdb"));
    PhotoFileWriter(plan, outDir).write();
    writeAgencyNameFile(outDir + QStringLiteral("/nombreinmobiliaria.txt"));
    writeAgencyLogo(outDir + QStringLiteral("/logocolaborador.jpg"));
    writeHelpDocument(outDir + QStringLiteral("/funcionesbrezomar.pdf"));
}

} // namespace demofolder

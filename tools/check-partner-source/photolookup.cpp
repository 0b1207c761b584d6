#include "photolookup.h"

#include <QtConcurrent/QtConcurrentMap>

#include "results/thumbnail.h"

namespace partnercheck {

QFuture<OfferFiles> findFiles(const std::vector<OfferRows> &offers, const modcol::BaseFolders &folders)
{
    return QtConcurrent::mapped(offers, [folders](const OfferRows &offer) {
        OfferFiles files;
        files.thumbnail = results::thumbnailFile(folders, offer.key, offer.firstRuta);
        for (const QString &ruta : offer.rutas)
            files.photos << modcol::photoFile(folders, ruta);
        return files;
    });
}

} // namespace partnercheck

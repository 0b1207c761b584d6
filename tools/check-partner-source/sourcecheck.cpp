#include "sourcecheck.h"

#include <algorithm>
#include <vector>

#include <QDir>
#include <QFileInfo>

#include "cataloguewalk.h"
#include "filelookup/cataloguepaths.h"
#include "photolookup.h"
#include "picturefiles.h"
#include "progress.h"
#include "startup/agencyfiles.h"
#include "startup/agencyname.h"

namespace partnercheck {
namespace {

using modcol::PictureVerdict;

// Offers looked up in the folders at a time, while the next are read.
constexpr size_t BatchSize = 2000;

QString offerName(int key)
{
    return QStringLiteral("oferta %1").arg(key);
}

// The check of one folder, from its catalogue's offers to the report.
class FolderCheck
{
public:
    FolderCheck(const QString &base, Progress &progress)
        : m_base(base)
        , m_folders{base, QString()}
        , m_progress(progress)
    {
        modcol::prepareFolderLookups(m_folders);
    }

    SourceReport run()
    {
        const QString catalogue = modcol::existingFile(m_base.path(), modcol::CatalogueFile);
        if (catalogue.isEmpty()) {
            m_report.refusal = QStringLiteral("No hay catálogo: falta brezomar.mdb en la carpeta.");
            return m_report;
        }
        try {
            CatalogueWalk walk(catalogue);
            walkOffers(walk);
            walk.sendOtherStatements();
        } catch (const Refusal &refusal) {
            m_report.refusal = refusal.reason;
            return m_report;
        }
        m_pictures.judge(m_progress);
        tallyVerdicts();
        checkAgencyFiles();
        return m_report;
    }

private:
    // A file found for an offer, to be judged with every other.
    struct FoundFile
    {
        int key;
        int file; // in m_pictures
    };

    // Each batch of offers is looked up in the folders on the other cores
    // while the next batch is read from the catalogue.
    void walkOffers(CatalogueWalk &walk)
    {
        const std::vector<int> &keys = walk.keys();
        m_report.offers = qint64(keys.size());
        if (keys.empty())
            m_report.otherWarnings << QStringLiteral("Ninguna oferta aparece en las búsquedas: a cada oferta le "
                                                     "falta su ciudad, su zona o su tipo, o el catálogo está vacío.");
        std::vector<OfferRows> looking;
        QFuture<OfferFiles> lookup;
        for (size_t start = 0; start < keys.size(); start += BatchSize) {
            std::vector<OfferRows> batch;
            for (size_t i = start; i < std::min(start + BatchSize, keys.size()); ++i)
                batch.push_back(walk.rowsOf(keys[i]));
            if (!looking.empty())
                tallyFiles(looking, lookup.results());
            looking = std::move(batch);
            lookup = findFiles(looking, m_folders);
            m_progress.report(QStringLiteral("Ofertas comprobadas"), qint64(start), m_report.offers);
        }
        if (!looking.empty())
            tallyFiles(looking, lookup.results());
    }

    // Tallies the photo rows and thumbnails the program will not find, and
    // gathers those it will for judging.
    void tallyFiles(const std::vector<OfferRows> &offers, const QList<OfferFiles> &files)
    {
        for (size_t i = 0; i < offers.size(); ++i) {
            const int key = offers[i].key;
            const OfferFiles &found = files.at(qsizetype(i));
            if (found.thumbnail.isEmpty())
                m_report.offersWithoutThumbnail.add(offerName(key));
            else
                m_thumbnails.push_back({key, m_pictures.add(found.thumbnail)});
            for (qsizetype j = 0; j < found.photos.size(); ++j) {
                ++m_report.photos;
                const QString &ruta = offers[i].rutas.at(j);
                if (found.photos.at(j).isEmpty())
                    m_report.missingPhotos.add(offerName(key) + QStringLiteral(": ")
                                               + (ruta.isEmpty() ? QStringLiteral("(sin ruta)") : ruta));
                else
                    m_photos.push_back({key, m_pictures.add(found.photos.at(j))});
            }
        }
    }

    void tallyVerdicts()
    {
        for (const FoundFile &photo : m_photos) {
            const QString sample =
                offerName(photo.key) + QStringLiteral(": ") + m_base.relativeFilePath(m_pictures.path(photo.file));
            switch (m_pictures.verdict(photo.file)) {
            case PictureVerdict::Decodable:
                break;
            case PictureVerdict::Unreadable:
                m_report.unreadablePhotos.add(sample);
                break;
            case PictureVerdict::OverBudget:
                m_report.overBudgetPhotos.add(sample);
                break;
            }
        }
        // A cell whose picture cannot be shown stays as empty as one without.
        for (const FoundFile &thumbnail : m_thumbnails) {
            if (m_pictures.verdict(thumbnail.file) != PictureVerdict::Decodable)
                m_report.offersWithoutThumbnail.add(offerName(thumbnail.key));
        }
    }

    void checkAgencyFiles()
    {
        QStringList &warnings = m_report.otherWarnings;
        const QString logo = modcol::existingFile(m_base.path(), modcol::AgencyLogoFile);
        if (logo.isEmpty())
            warnings << QStringLiteral("Falta el logotipo de la inmobiliaria (logocolaborador.jpg).");
        else if (modcol::inspectPicture(logo) != PictureVerdict::Decodable)
            warnings << QStringLiteral("El logotipo (logocolaborador.jpg) no se puede mostrar.");
        const QString name = modcol::existingFile(m_base.path(), modcol::AgencyNameFile);
        if (name.isEmpty())
            warnings << QStringLiteral(
                "Falta el nombre de la inmobiliaria (nombreinmobiliaria.txt): el panel de inicio no lo mostrará.");
        else if (modcol::readAgencyName(name).isEmpty())
            warnings << QStringLiteral("La primera línea de nombreinmobiliaria.txt está vacía: "
                                       "el panel de inicio no mostrará ningún nombre.");
        if (modcol::existingFile(m_base.path(), modcol::HelpDocumentFile).isEmpty())
            warnings << QStringLiteral("Falta el documento de ayuda (funcionesbrezomar.pdf).");
    }

    const QDir m_base;
    const modcol::BaseFolders m_folders;
    Progress &m_progress;
    SourceReport m_report;
    PictureFiles m_pictures;
    std::vector<FoundFile> m_photos;
    std::vector<FoundFile> m_thumbnails;
};

} // namespace

SourceReport checkSource(const QString &folder, Progress &progress)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        SourceReport report;
        report.refusal = QStringLiteral("No existe la carpeta «%1».").arg(QDir::toNativeSeparators(folder));
        return report;
    }
    return FolderCheck(info.absoluteFilePath() + QLatin1Char('/'), progress).run();
}

} // namespace partnercheck

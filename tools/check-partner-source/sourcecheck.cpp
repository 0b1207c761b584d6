#include "sourcecheck.h"

#include <memory>
#include <vector>

#include <QDir>
#include <QFileInfo>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "picturefiles.h"
#include "progress.h"
#include "results/thumbnail.h"
#include "startup/agencyname.h"
#include "startup/cataloguepaths.h"
#include "startup/modcol.h"
#include "startup/statements.h"

namespace partnercheck {
namespace {

using modcol::PictureVerdict;

const QString NoFilter = QStringLiteral(" ");

// A statement of the program that fails on the catalogue.
struct StatementFailure
{
    QString statement;
    catalogue::CatalogueError error;
};

template <typename Row>
void forEachRow(catalogue::Recordset &rows, Row &&row)
{
    if (rows.RecordCount() == 0)
        return;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        row();
}

std::unique_ptr<catalogue::Recordset> open(catalogue::Database &database, const QString &statement)
{
    try {
        return database.OpenRecordset(statement);
    } catch (const catalogue::CatalogueError &error) {
        throw StatementFailure{statement, error};
    }
}

// Sends `statement` and reads every field of every row, as the windows may.
void readWhole(catalogue::Database &database, const QString &statement)
{
    const auto rows = open(database, statement);
    try {
        forEachRow(*rows, [&] {
            for (int i = 0; i < rows->FieldCount(); ++i)
                rows->Fields(i);
        });
    } catch (const catalogue::CatalogueError &error) {
        throw StatementFailure{statement, error};
    }
}

QString text(const catalogue::Recordset &rows, const QString &field)
{
    return rows.Fields(field).Value.toString();
}

// The keys of the offers the searches reach, in the pages' order.
std::vector<int> searchKeys(catalogue::Database &database)
{
    const QString statement = modcol::searchStatement(NoFilter);
    const auto rows = open(database, statement);
    std::vector<int> keys;
    keys.reserve(size_t(rows->RecordCount()));
    forEachRow(*rows, [&] { keys.push_back(rows->Fields(0).Value.toInt()); });
    return keys;
}

// Every statement of the program once, the per-offer ones on the first
// offer, as a session that opens its card and viewer would send them. The
// per-offer photo statements the walk sends for every offer.
void sendEveryStatement(catalogue::Database &database, const std::vector<int> &keys)
{
    const int key = keys.empty() ? 1 : keys.front();
    for (const QString &statement :
         {modcol::typeListStatement(), modcol::cityListStatement(NoFilter), modcol::zoneListStatement(NoFilter),
          modcol::qualitiesStatement(), modcol::searchStatement(NoFilter), modcol::cardOffersStatement(NoFilter),
          modcol::cardStatement(key), modcol::viewerPhotosStatement(key), modcol::extractionPhotosStatement(key)})
        readWhole(database, statement);
}

// The `ruta` of the offer's first photo, which its result cell falls back on.
QString firstPhotoRuta(catalogue::Database &database, int key)
{
    const auto rows = open(database, modcol::firstPhotoStatement(key));
    if (rows->RecordCount() == 0)
        return QString();
    rows->MoveFirst();
    return text(*rows, QStringLiteral("ruta"));
}

QString offerName(int key)
{
    return QStringLiteral("oferta %1").arg(key);
}

// What the walk over the offers leaves to be judged once every file is known.
struct Walk
{
    struct Row
    {
        int key;
        int file;
    };
    PictureFiles files;
    std::vector<Row> photos;     // rows whose file was found
    std::vector<Row> thumbnails; // offers with a picture for their cell
};

// Finds each offer's thumbnail and photos by the program's rules.
void walkOffers(catalogue::Database &database, const std::vector<int> &keys, const modcol::BaseFolders &folders,
                SourceReport &report, Walk &walk, Progress &progress)
{
    qint64 done = 0;
    for (const int key : keys) {
        const QString codOfer = QString::number(key);
        const QString thumbnail = results::thumbnailFile(folders, codOfer, firstPhotoRuta(database, key));
        if (thumbnail.isEmpty())
            report.offersWithoutThumbnail.add(offerName(key));
        else
            walk.thumbnails.push_back({key, walk.files.add(thumbnail)});

        const auto photos = open(database, modcol::cardPhotosStatement(key));
        forEachRow(*photos, [&] {
            ++report.photos;
            const QString ruta = text(*photos, QStringLiteral("ruta"));
            const QString file = modcol::photoFile(folders, ruta);
            if (file.isEmpty())
                report.missingPhotos.add(offerName(key) + QStringLiteral(": ")
                                         + (ruta.isEmpty() ? QStringLiteral("(sin ruta)") : ruta));
            else
                walk.photos.push_back({key, walk.files.add(file)});
        });
        progress.report(QStringLiteral("Ofertas comprobadas"), ++done, qint64(keys.size()));
    }
}

void tallyVerdicts(const Walk &walk, const QDir &base, SourceReport &report)
{
    for (const Walk::Row &row : walk.photos) {
        const QString sample =
            offerName(row.key) + QStringLiteral(": ") + base.relativeFilePath(walk.files.path(row.file));
        switch (walk.files.verdict(row.file)) {
        case PictureVerdict::Decodable:
            break;
        case PictureVerdict::Unreadable:
            report.unreadablePhotos.add(sample);
            break;
        case PictureVerdict::OverBudget:
            report.overBudgetPhotos.add(sample);
            break;
        }
    }
    // A cell whose picture cannot be shown stays as empty as one without.
    for (const Walk::Row &row : walk.thumbnails) {
        if (walk.files.verdict(row.file) != PictureVerdict::Decodable)
            report.offersWithoutThumbnail.add(offerName(row.key));
    }
}

void checkAgencyFiles(const QString &base, SourceReport &report)
{
    const QString logo = modcol::existingFile(base, QStringLiteral("logocolaborador.jpg"));
    if (logo.isEmpty())
        report.otherWarnings << QStringLiteral("Falta el logotipo de la inmobiliaria (logocolaborador.jpg).");
    else if (modcol::inspectPicture(logo) != PictureVerdict::Decodable)
        report.otherWarnings << QStringLiteral("El logotipo (logocolaborador.jpg) no se puede mostrar.");
    const QString name = modcol::existingFile(base, QStringLiteral("nombreinmobiliaria.txt"));
    if (name.isEmpty())
        report.otherWarnings << QStringLiteral(
            "Falta el nombre de la inmobiliaria (nombreinmobiliaria.txt): el panel de inicio no lo mostrará.");
    else if (modcol::readAgencyName(name).isEmpty())
        report.otherWarnings << QStringLiteral("La primera línea de nombreinmobiliaria.txt está vacía: "
                                               "el panel de inicio no mostrará ningún nombre.");
    if (modcol::existingFile(base, QStringLiteral("funcionesbrezomar.pdf")).isEmpty())
        report.otherWarnings << QStringLiteral("Falta el documento de ayuda (funcionesbrezomar.pdf).");
}

} // namespace

SourceReport checkSource(const QString &folder, Progress &progress)
{
    SourceReport report;
    const QFileInfo info(folder);
    if (!info.isDir()) {
        report.refusal = QStringLiteral("No existe la carpeta «%1».").arg(QDir::toNativeSeparators(folder));
        return report;
    }
    const QString base = info.absoluteFilePath() + QLatin1Char('/');
    const modcol::BaseFolders folders{base, QString()};
    modcol::prepareFolderLookups(folders);

    const QString catalogue = modcol::existingFile(base, QStringLiteral("brezomar.mdb"));
    if (catalogue.isEmpty()) {
        report.refusal = QStringLiteral("No hay catálogo: falta brezomar.mdb en la carpeta.");
        return report;
    }
    std::unique_ptr<catalogue::Database> database;
    try {
        database = modcol::openCatalogue(catalogue);
    } catch (const catalogue::CatalogueError &error) {
        report.refusal = QStringLiteral("El programa no puede abrir el catálogo. ") + error.message();
        return report;
    }

    Walk walk;
    try {
        const std::vector<int> keys = searchKeys(*database);
        report.offers = qint64(keys.size());
        if (keys.empty())
            report.otherWarnings << QStringLiteral("Ninguna oferta aparece en las búsquedas: a cada oferta le falta "
                                                   "su ciudad, su zona o su tipo, o el catálogo está vacío.");
        sendEveryStatement(*database, keys);
        walkOffers(*database, keys, folders, report, walk, progress);
    } catch (const StatementFailure &failure) {
        // A damaged table says so itself, whichever statement met it first.
        report.refusal = failure.error.isDamage()
            ? failure.error.message()
            : QStringLiteral("Una consulta del programa falla en este catálogo: %1\nConsulta: %2")
                  .arg(failure.error.message(), failure.statement);
        return report;
    } catch (const catalogue::CatalogueError &error) {
        report.refusal = QStringLiteral("El programa no puede leer este catálogo: ") + error.message();
        return report;
    }
    walk.files.judge(progress);
    tallyVerdicts(walk, QDir(base), report);
    checkAgencyFiles(base, report);
    return report;
}

} // namespace partnercheck

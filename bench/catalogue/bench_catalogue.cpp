// Catalogue engine figures on the 20,000-offer demo catalogue, each set
// against a baseline measured in the same run:
//   - opening (copy + load of every table) against mdb-export of the same
//     tables to /dev/null (target: ratio <= 1);
//   - the first statement's rows (the results window's type list) against
//     the same export (target: ratio <= 0.5);
//   - the search with one page read;
//   - the per-offer statements (photos, the card's offers + FindFirst, one
//     offer of the card, viewer), against the same statements on a
//     200-offer catalogue (target: about a millisecond, ratio near 1: no
//     full scans). bench_card measures the card opened on every offer.
//
//   bench_catalogue [FOLDER]   FOLDER holds brezomar.mdb; without it the
//                              catalogue is generated in a temporary folder.

#include <cstdio>
#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "benchsupport.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "demofolder/cataloguestore.h"
#include "demofolder/demofolder.h"
#include "results/filterclauses.h"
#include "statements/statements.h"

using namespace catalogue;
using namespace modcol;
using benchsupport::medianMs;

namespace {

const QString Connect = QStringLiteral(";PWD=") + QLatin1String(demofolder::CataloguePassword);

// Reads every field of every row; returns the number of rows.
int readAll(Recordset &rs)
{
    int rows = 0;
    for (; !rs.Eof(); rs.MoveNext(), ++rows) {
        for (int i = 0; i < rs.FieldCount(); ++i)
            (void)rs.Fields(i);
    }
    return rows;
}

class Bench
{
public:
    Bench(const QString &big, const QString &small, const QString &scratch)
        : m_big(big)
        , m_small(small)
        , m_scratch(scratch)
    {
    }

    void run()
    {
        const QStringList tables = userTables(m_big);
        const double export_ = medianMs(3, [&] { benchsupport::exportTables(m_big, tables); });
        const double open = medianMs(3, [&] {
            const auto db = openCopy(m_big);
            for (const QString &table : tables)
                db->OpenRecordset(QStringLiteral("select count(*) from ") + table);
        });
        const double first = medianMs(5, [&] {
            const auto db = openCopy(m_big);
            readAll(*db->OpenRecordset(typeListStatement()));
        });
        std::printf("%-44s %10s %10s %8s\n", "measure", "ms", "baseline", "ratio");
        line("mdb-export of every table (baseline)", export_, export_);
        line("open: copy + load every table", open, export_);
        line("first statement's rows (type list)", first, export_);

        const auto big = openWithIndexes(m_big);
        const auto small = openWithIndexes(m_small);
        const double page = medianMs(9, [&] {
            const auto rs = big->OpenRecordset(searchStatement(QStringLiteral(" ")));
            rs->MoveLast();
            const int pages = (rs->RecordCount() + 11) / 12;
            rs->MoveFirst();
            rs->Move((pages / 2) * 12);
            for (int c = 0; c < 12 && !rs->Eof(); ++c, rs->MoveNext())
                (void)rs->Fields(QStringLiteral("precioinmo"));
        });
        line("search, all offers, one page read", page, export_);
        std::printf("\n%-44s %10s %10s %8s\n", "per offer (mean of 200 offers)", "20,000", "200", "ratio");
        perOffer("6 first photo", *big, *small, [](Database &, int key) {
            return firstPhotoStatement(key);
        });
        perOffer("7 card's offers of a search + FindFirst", *big, *small, [](Database &db, int key) {
            return cardOffersStatement(filterOf(db, key));
        }, true);
        perOffer("7 one offer of the card", *big, *small, [](Database &, int key) { return cardStatement(key); });
        perOffer("9 card photos", *big, *small, [](Database &, int key) {
            return cardPhotosStatement(key);
        });
        perOffer("11 viewer photos", *big, *small, [](Database &, int key) { return viewerPhotosStatement(key); });
    }

private:

    static void line(const char *what, double ms, double baseline)
    {
        std::printf("%-44s %10.1f %10.1f %8.2f\n", what, ms, baseline, ms / baseline);
    }

    // The search's filter clauses for the offer's type, city and zone, as the
    // results window builds them.
    static QString filterOf(Database &db, int key)
    {
        const auto rs = db.OpenRecordset(
            QStringLiteral("select tipo.tipo_ofer, ciudad.ciudad, zonas.zona from ciudad,ofertas,tipo,zonas where "
                           "key_loca=cod_ciu and key_zona=cod_zona and key_tipo=cod_tipo and cod_ofer=%1")
                .arg(key));
        if (rs->Eof())
            return QStringLiteral(" ");
        results::FilterValues values;
        values.type = rs->Fields(0).Value.toString();
        values.city = rs->Fields(1).Value.toString();
        values.zone = rs->Fields(2).Value.toString();
        return results::filterClauses(values, true);
    }

    // Mean time of the statement that `sqlFor` gives for each of 200 offers
    // (built before the clock starts), its rows read, on both catalogues.
    void perOffer(const char *what, Database &big, Database &small,
                  const std::function<QString(Database &, int)> &sqlFor, bool findOffer = false)
    {
        double rows[2] = {0, 0};
        const auto meanOver = [&](Database &db, double &meanRows) {
            const std::vector<int> keys = offerKeys(db);
            std::vector<QString> statements;
            for (int key : keys)
                statements.push_back(sqlFor(db, key));
            db.OpenRecordset(statements.front()); // loads the tables
            int totalRows = 0;
            QElapsedTimer timer;
            timer.start();
            for (size_t i = 0; i < keys.size(); ++i) {
                const auto rs = db.OpenRecordset(statements[i]);
                if (findOffer)
                    rs->FindFirst(QStringLiteral("ofertas.cod_ofer=%1").arg(keys[i]));
                totalRows += readAll(*rs);
            }
            meanRows = double(totalRows) / double(keys.size());
            return double(timer.nsecsElapsed()) / 1e6 / double(keys.size());
        };
        const double onBig = meanOver(big, rows[0]);
        const double onSmall = meanOver(small, rows[1]);
        std::printf("%-44s %10.3f %10.3f %8.2f   rows %.0f / %.0f\n", what, onBig, onSmall, onBig / onSmall, rows[0],
                    rows[1]);
    }

    std::vector<int> offerKeys(Database &db)
    {
        const auto rs = db.OpenRecordset(QStringLiteral("select cod_ofer from ofertas"));
        std::vector<int> all;
        for (; !rs->Eof(); rs->MoveNext())
            all.push_back(rs->Fields(0).Value.toInt());
        std::vector<int> keys;
        for (size_t i = 0; i < 200 && !all.empty(); ++i)
            keys.push_back(all[(i * 7919) % all.size()]);
        return keys;
    }

    std::unique_ptr<Database> openCopy(const QString &path)
    {
        const QString copy = m_scratch + QStringLiteral("/copia.mdb");
        QFile::remove(copy);
        QFile::copy(path, copy);
        return openWithIndexes(copy);
    }

    // As the program opens its working copy.
    static std::unique_ptr<Database> openWithIndexes(const QString &path)
    {
        auto database = Database::OpenDatabase(path, Connect);
        declareStatementIndexes(*database);
        return database;
    }

    static QStringList userTables(const QString &path)
    {
        QProcess process;
        process.start(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path});
        process.waitForFinished(-1);
        return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    QString m_big;
    QString m_small;
    QString m_scratch;
};

QString writeDemoCatalogue(const QString &folder, int offers)
{
    const QString path = folder + QStringLiteral("/brezomar-%1.mdb").arg(offers);
    demofolder::writeCatalogueFile(demofolder::planCatalogue({offers, 10, 1}), path);
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir scratch;
    const QStringList arguments = QCoreApplication::arguments();
    const QString big = arguments.size() > 1 ? arguments.at(1) + QStringLiteral("/brezomar.mdb")
                                             : writeDemoCatalogue(scratch.path(), 20000);
    const QString small = writeDemoCatalogue(scratch.path(), 200);
    try {
        Bench(big, small, scratch.path()).run();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_catalogue: %s\n", error.what());
        return 1;
    }
    return 0;
}

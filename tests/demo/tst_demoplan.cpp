// The demo catalogue's rows: every peculiarity the program must cope with is
// there and the rows hang together.

#include "demofolder/catalogueschema.h"
#include "demofolder/cataloguestore.h"
#include "demofolder/demofolder.h"
#include "demofolder/photoplanner.h"

#include <QRegularExpression>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <set>

using namespace demofolder;

namespace {

// The catalogue of a plan in an in-memory SQLite database, for asking it
// questions in SQL.
class PlanDatabase
{
public:
    explicit PlanDatabase(const CataloguePlan &plan)
    {
        sqlite3_open(":memory:", &m_db);
        fillCatalogue(m_db, plan);
    }
    ~PlanDatabase() { sqlite3_close(m_db); }
    PlanDatabase(const PlanDatabase &) = delete;
    PlanDatabase &operator=(const PlanDatabase &) = delete;

    // All rows of a statement, each as its columns joined by '|'.
    QStringList rows(const QString &sql) const
    {
        QStringList result;
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
            qWarning("%s: %s", qPrintable(sql), sqlite3_errmsg(m_db));
            return {QStringLiteral("<error>")};
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList columns;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                columns << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, i)));
            result << columns.join(QLatin1Char('|'));
        }
        sqlite3_finalize(statement);
        return result;
    }

    int count(const QString &sql) const { return rows(QStringLiteral("SELECT count(*) FROM (%1)").arg(sql)).value(0).toInt(); }

private:
    sqlite3 *m_db = nullptr;
};

const DemoOptions Small{40, 3, 7};

} // namespace

class TestDemoPlan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_plan = planCatalogue(Small);
        m_db = std::make_unique<PlanDatabase>(m_plan);
    }

    // Each peculiarity that a part of the program is tested against, as a
    // query that must find at least that many rows.
    void peculiaritiesArePresent_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("atLeast");
        const auto row = [](const char *name, const char *sql, int atLeast) {
            QTest::newRow(name) << QString::fromUtf8(sql) << atLeast;
        };
        row("keys 7, 12 and 123", "SELECT 1 FROM ofertas WHERE Cod_Ofer IN (7, 12, 123)", 3);
        row("conservacion without row",
            "SELECT 1 FROM ofertas WHERE Conservacion NOT IN (SELECT idconservacion FROM tipoconservacion)", 1);
        row("keyori without row", "SELECT 1 FROM ofertas WHERE keyori NOT IN (SELECT idori FROM tipoori)", 1);
        row("offer without photos", "SELECT 1 FROM ofertas WHERE Cod_Ofer NOT IN (SELECT KeyOfe FROM fotos)", 1);
        row("offer whose photos are all hidden",
            "SELECT KeyOfe FROM fotos GROUP BY KeyOfe HAVING min(nomostrar) = 1", 1);
        row("a hidden photo beside shown ones",
            "SELECT KeyOfe FROM fotos GROUP BY KeyOfe HAVING min(nomostrar) = 0 AND max(nomostrar) = 1", 1);
        row("price 0", "SELECT 1 FROM ofertas WHERE precioinmo = 0", 2);
        row("price with cents", "SELECT 1 FROM ofertas WHERE precioinmo <> round(precioinmo)", 1);
        row("price 1234567.6", "SELECT 1 FROM ofertas WHERE precioinmo = 1234567.6", 1);
        row("three equal prices", "SELECT precioinmo FROM ofertas WHERE precioinmo > 0 "
                                  "GROUP BY precioinmo HAVING count(*) >= 3", 1);
        row("private pool only", "SELECT 1 FROM ofertas WHERE piscina_prop = 1 AND piscina_com = 0", 1);
        row("communal pool only", "SELECT 1 FROM ofertas WHERE piscina_prop = 0 AND piscina_com = 1", 1);
        row("both pools", "SELECT 1 FROM ofertas WHERE piscina_prop = 1 AND piscina_com = 1", 1);
        row("reference with a slash", "SELECT 1 FROM ofertas WHERE instr(ref, '/') > 0", 1);
        row("reference with a colon", "SELECT 1 FROM ofertas WHERE instr(ref, ':') > 0", 1);
        row("reference with blanks around", "SELECT 1 FROM ofertas WHERE ref <> trim(ref)", 1);
        row("reference with quotes and backslash",
            "SELECT 1 FROM ofertas WHERE instr(ref, '\\') > 0 AND instr(ref, '\"') > 0 AND instr(ref, '''') > 0", 1);
        row("city in capitals with offers",
            "SELECT DISTINCT Ciudad FROM ciudad JOIN ofertas ON Key_Loca = Cod_Ciu WHERE Ciudad = upper(Ciudad)", 2);
        row("accented capital city", "SELECT 1 FROM ciudad WHERE Ciudad = 'ÁVILA'", 1);
        row("accented cities", "SELECT 1 FROM ciudad WHERE Ciudad IN ('Málaga', 'Cádiz')", 2);
        row("city and zone with apostrophe",
            "SELECT 1 FROM ofertas JOIN ciudad ON Key_Loca = Cod_Ciu JOIN zonas ON Key_Zona = Cod_Zona "
            "WHERE instr(Ciudad, '''') > 0 AND instr(Zona, '''') > 0", 1);
        row("city without offers", "SELECT 1 FROM ciudad WHERE Cod_Ciu NOT IN (SELECT Key_Loca FROM ofertas)", 1);
        row("zone shared by cities", "SELECT Key_Zona FROM ofertas GROUP BY Key_Zona HAVING count(DISTINCT Key_Loca) > 1", 1);
        row("null salon", "SELECT 1 FROM ofertas WHERE salon IS NULL", 1);
        row("null text detail", "SELECT 1 FROM ofertas WHERE vistas IS NULL", 1);
        row("surface with decimals", "SELECT 1 FROM ofertas WHERE m_cons <> round(m_cons)", 1);
        row("every detail null", "SELECT 1 FROM ofertas WHERE habitaciones IS NULL AND m_uties IS NULL "
                                 "AND m_parcela IS NULL AND suelo IS NULL AND numplanta IS NULL", 1);
        row("orden unlike insertion", "SELECT a.KeyOfe FROM fotos a JOIN fotos b ON a.KeyOfe = b.KeyOfe "
                                      "AND a.CodFoto < b.CodFoto AND a.orden > b.orden", 1);
        row("orden tie", "SELECT KeyOfe, orden FROM fotos GROUP BY KeyOfe, orden HAVING count(*) > 1", 1);
        row("a dozen photos", "SELECT KeyOfe FROM fotos GROUP BY KeyOfe HAVING count(*) >= 12", 1);
        row("upper-case extension", "SELECT 1 FROM fotos WHERE Ruta LIKE '%.JPG' AND Ruta GLOB '*.JPG'", 1);
        row("memo beyond 16 KB", "SELECT 1 FROM ofertas WHERE length(CAST(descripcion AS BLOB)) > 16384", 1);
        row("a quality set", "SELECT 1 FROM ofertas WHERE calefaccion = 1", 1);
        row("a quality unset", "SELECT 1 FROM ofertas WHERE calefaccion = 0", 1);
    }

    void peculiaritiesArePresent()
    {
        QFETCH(QString, sql);
        QFETCH(int, atLeast);
        QVERIFY2(m_db->count(sql) >= atLeast, qPrintable(sql));
    }

    // The search joins city, zone and type: all offers; the record card also
    // joins conservation and orientation: all but the two without a row.
    void joinsFindTheIntendedOffers()
    {
        const int offers = m_db->count(QStringLiteral("SELECT * FROM ofertas"));
        QCOMPARE(offers, Small.offers);
        QCOMPARE(m_db->count(QStringLiteral(
                     "SELECT cod_ofer FROM ciudad, ofertas, tipo, zonas "
                     "WHERE key_loca = cod_ciu AND key_zona = cod_zona AND key_tipo = cod_tipo")),
                 offers);
        QCOMPARE(m_db->count(QStringLiteral(
                     "SELECT ofertas.Cod_Ofer FROM ofertas "
                     "JOIN tipoconservacion ON ofertas.Conservacion = tipoconservacion.idconservacion "
                     "JOIN tipoori ON ofertas.keyori = tipoori.idori "
                     "JOIN ciudad ON ciudad.Cod_Ciu = ofertas.Key_Loca "
                     "JOIN tipo ON tipo.Cod_Tipo = ofertas.Key_Tipo "
                     "JOIN zonas ON zonas.Cod_Zona = ofertas.Key_Zona WHERE cod_ofer > 0")),
                 offers - 2);
    }

    // A value longer than its column would make the Jet writer refuse the
    // catalogue.
    void textsFitTheirColumns()
    {
        static const QRegularExpression declared(QStringLiteral(R"(^TEXT\((\d+)\)$)"));
        for (const QString &table : m_db->rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
            for (const QString &column : m_db->rows(QStringLiteral("SELECT name, type FROM pragma_table_info('%1')").arg(table))) {
                const QStringList parts = column.split(QLatin1Char('|'));
                const QRegularExpressionMatch match = declared.match(parts[1]);
                if (!match.hasMatch())
                    continue;
                const int longest = m_db->rows(QStringLiteral("SELECT max(length(\"%1\")) FROM %2").arg(parts[0], table)).value(0).toInt();
                QVERIFY2(longest <= match.captured(1).toInt(), qPrintable(table + QLatin1Char('.') + parts[0]));
            }
        }
    }

    void qualitiesNameBooleanColumnsOfOffers()
    {
        const QStringList booleans = m_db->rows(QStringLiteral("SELECT name FROM pragma_table_info('ofertas') WHERE type = 'BOOLEAN'"));
        const QStringList named = m_db->rows(QStringLiteral("SELECT nbcampo FROM auxcalid"));
        QVERIFY(named.size() >= 5);
        for (const QString &column : named)
            QVERIFY2(booleans.contains(column), qPrintable(column));
        QVERIFY(m_db->rows(QStringLiteral("SELECT nbtexto FROM auxcalid")).contains(QStringLiteral("Calefacción")));
    }

    void rutasAreUniqueWindowsPaths()
    {
        static const QRegularExpression windowsPath(QStringLiteral(R"(^fotos\\\d{5}_\d{2}\.(jpg|JPG)$)"));
        std::set<QString> seen;
        for (const PhotoRow &photo : m_plan.photos) {
            QVERIFY2(windowsPath.match(photo.ruta).hasMatch(), qPrintable(photo.ruta));
            QVERIFY2(seen.insert(photo.ruta).second, qPrintable(photo.ruta));
        }
        const auto missing = std::count_if(m_plan.photos.begin(), m_plan.photos.end(),
                                           [](const PhotoRow &p) { return p.kind == PhotoFileKind::Missing; });
        QCOMPARE(missing, 2);
    }

    // A thumbnail stands for the photo a results cell would show: the
    // offer's lowest orden, then lowest CodFoto.
    void thumbnailsStandForTheFirstPhoto()
    {
        std::set<int> withThumbnail;
        for (const ThumbnailFile &thumbnail : m_plan.thumbnails) {
            const PhotoRow &photo = m_plan.photos[thumbnail.photo];
            QCOMPARE(thumbnail.ruta.toLower(), QStringLiteral("fotos\\%1cd.jpg").arg(photo.keyOfe));
            QVERIFY(photo.kind != PhotoFileKind::Missing);
            const QString first = m_db->rows(QStringLiteral("SELECT ruta FROM fotos WHERE keyofe = %1 ORDER BY orden, codfoto")
                                                 .arg(photo.keyOfe)).value(0);
            QCOMPARE(first, photo.ruta);
            withThumbnail.insert(photo.keyOfe);
        }
        QVERIFY(withThumbnail.count(7) && withThumbnail.count(123) && !withThumbnail.count(12));
        QVERIFY(withThumbnail.size() * 10 >= m_plan.offers.size() * 7);
        QVERIFY(std::any_of(m_plan.thumbnails.begin(), m_plan.thumbnails.end(),
                            [](const ThumbnailFile &t) { return t.ruta == QStringLiteral("fotos\\7CD.JPG"); }));
    }

    // Past the demo's size, offers share a few pictures instead of drawing
    // their own, so a benchmark catalogue stays quick to make and small.
    void largeCatalogueSharesPictures()
    {
        const CataloguePlan plan = planCatalogue({PhotoPlanner::OffersWithOwnPictures + 50, 2, 1});
        QVERIFY(!plan.pool.empty() && plan.pool.size() <= 8);
        for (const PhotoRow &photo : plan.photos) {
            const bool own = std::find_if(plan.offers.begin(), plan.offers.end(), [&](const OfferRow &o) { return o.key == photo.keyOfe; })
                             - plan.offers.begin() < PhotoPlanner::OffersWithOwnPictures;
            QVERIFY(own ? photo.kind != PhotoFileKind::Pooled : photo.kind == PhotoFileKind::Pooled);
        }
    }

    void emptyCatalogueHasItsTables()
    {
        const PlanDatabase empty(planCatalogue({0, 4, 1}));
        QCOMPARE(empty.count(QStringLiteral("SELECT * FROM ofertas")), 0);
        QCOMPARE(empty.count(QStringLiteral("SELECT * FROM fotos")), 0);
        QVERIFY(empty.count(QStringLiteral("SELECT * FROM ciudad")) > 0);
    }

private:
    CataloguePlan m_plan;
    std::unique_ptr<PlanDatabase> m_db;
};

QTEST_GUILESS_MAIN(TestDemoPlan)
#include "tst_demoplan.moc"

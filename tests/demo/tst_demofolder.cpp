// The folder the generator makes, read as the program reads it: every
// peculiarity the program must cope with is in its catalogue, the photo rows
// point at pictures that decode, and the same options give the same bytes.

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "demofolder/cataloguestore.h"
#include "demofolder/demofolder.h"
#include "demofolder/photoplanner.h"
#include "recordsetrows.h"
#include "statements/statements.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <map>
#include <set>

using namespace demofolder;

namespace {

// Enough offers for every peculiarity and photos for an order with a tie,
// few enough to stay quick.
const DemoOptions Options{32, 3, 5};

// Relative path -> SHA-1 of every file below `root`.
std::map<QString, QByteArray> fileHashes(const QString &root)
{
    std::map<QString, QByteArray> hashes;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        hashes[QDir(root).relativeFilePath(path)] = QCryptographicHash::hash(testsupport::readFile(path), QCryptographicHash::Sha1);
    }
    return hashes;
}

QString localPath(const QString &root, const QString &ruta)
{
    return root + QLatin1Char('/') + QString(ruta).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

class TestDemoFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_first = m_dir.filePath(QStringLiteral("first"));
        makeDemoFolder(m_first, Options);
        m_plan = planCatalogue(Options);
        m_catalogue = catalogue::Database::OpenDatabase(m_first + QStringLiteral("/brezomar.mdb"),
                                                        QStringLiteral(";PWD=") + QLatin1String(CataloguePassword));
    }

    // Each peculiarity that a part of the program is tested against, as a
    // statement that must find at least that many rows.
    void peculiaritiesArePresent_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("atLeast");
        const auto row = [](const char *name, const char *sql, int atLeast) {
            QTest::newRow(name) << QString::fromUtf8(sql) << atLeast;
        };
        row("keys 7, 12 and 123", "SELECT 1 FROM ofertas WHERE Cod_Ofer IN (7, 12, 123)", 3);
        row("conservation without row, orientation without row",
            "SELECT 1 FROM ofertas WHERE Conservacion NOT IN (SELECT idconservacion FROM tipoconservacion) "
            "OR keyori NOT IN (SELECT idori FROM tipoori)", 2);
        row("offer without photos", "SELECT 1 FROM ofertas WHERE Cod_Ofer NOT IN (SELECT KeyOfe FROM fotos)", 1);
        row("offer whose photos are all hidden", "SELECT KeyOfe FROM fotos GROUP BY KeyOfe HAVING min(nomostrar) = 1", 1);
        row("a hidden photo beside shown ones",
            "SELECT KeyOfe FROM fotos GROUP BY KeyOfe HAVING min(nomostrar) = 0 AND max(nomostrar) = 1", 1);
        row("price 0", "SELECT 1 FROM ofertas WHERE precioinmo = 0", 2);
        row("price 1234567.6", "SELECT 1 FROM ofertas WHERE precioinmo = 1234567.6", 1);
        row("three equal prices",
            "SELECT precioinmo FROM ofertas WHERE precioinmo > 0 GROUP BY precioinmo HAVING count(*) >= 3", 1);
        row("private pool only", "SELECT 1 FROM ofertas WHERE piscina_prop = true AND piscina_com = false", 1);
        row("communal pool only", "SELECT 1 FROM ofertas WHERE piscina_prop = false AND piscina_com = true", 1);
        row("both pools", "SELECT 1 FROM ofertas WHERE piscina_prop = true AND piscina_com = true", 1);
        row("reference with a slash", "SELECT 1 FROM ofertas WHERE instr(ref, '/') > 0", 1);
        row("reference with a colon", "SELECT 1 FROM ofertas WHERE instr(ref, ':') > 0", 1);
        row("reference with blanks around", "SELECT 1 FROM ofertas WHERE length(ref) <> length(trim(ref))", 1);
        row("reference with quotes and backslash",
            "SELECT 1 FROM ofertas WHERE instr(ref, '\\') > 0 AND instr(ref, '\"') > 0 AND instr(ref, '''') > 0", 1);
        row("city in capitals with offers", "SELECT DISTINCT Ciudad FROM ciudad, ofertas WHERE Key_Loca = Cod_Ciu "
                                            "AND hex(Ciudad) = hex(upper(Ciudad))", 2);
        row("accented cities", "SELECT 1 FROM ciudad WHERE hex(Ciudad) IN (hex('ÁVILA'), hex('Málaga'), hex('Cádiz'))", 3);
        row("city and zone with apostrophe", "SELECT 1 FROM ofertas, ciudad, zonas WHERE Key_Loca = Cod_Ciu "
                                             "AND Key_Zona = Cod_Zona AND instr(Ciudad, '''') > 0 AND instr(Zona, '''') > 0", 1);
        row("city without offers", "SELECT 1 FROM ciudad WHERE Cod_Ciu NOT IN (SELECT Key_Loca FROM ofertas)", 1);
        row("zone shared by cities", "SELECT Key_Zona FROM ofertas GROUP BY Key_Zona HAVING count(DISTINCT Key_Loca) > 1", 1);
        row("null salon and null text detail", "SELECT 1 FROM ofertas WHERE salon IS NULL AND vistas IS NULL", 1);
        row("surface with decimals", "SELECT 1 FROM ofertas WHERE m_cons <> round(m_cons)", 1);
        row("every detail null", "SELECT 1 FROM ofertas WHERE habitaciones IS NULL AND m_uties IS NULL "
                                 "AND m_parcela IS NULL AND suelo IS NULL AND numplanta IS NULL", 1);
        row("orden unlike insertion", "SELECT 1 FROM fotos a, fotos b WHERE a.KeyOfe = b.KeyOfe "
                                      "AND a.CodFoto < b.CodFoto AND a.orden > b.orden", 1);
        row("orden tie", "SELECT KeyOfe, orden FROM fotos GROUP BY KeyOfe, orden HAVING count(*) > 1", 1);
        row("a dozen photos", "SELECT KeyOfe FROM fotos GROUP BY KeyOfe HAVING count(*) >= 12", 1);
        row("upper-case extension", "SELECT 1 FROM fotos WHERE Ruta GLOB '*.JPG'", 1);
        row("memo beyond 16 KB", "SELECT 1 FROM ofertas WHERE length(CAST(descripcion AS BLOB)) > 16384", 1);
        row("a quality set and one unset", "SELECT DISTINCT calefaccion FROM ofertas", 2);
    }

    void peculiaritiesArePresent()
    {
        QFETCH(QString, sql);
        QFETCH(int, atLeast);
        QVERIFY2(m_catalogue->OpenRecordset(sql)->RecordCount() >= atLeast, qPrintable(sql));
    }

    // Every quality names a Boolean column of the offers, as the card reads it.
    void qualitiesNameBooleanColumns()
    {
        const QStringList columns = testsupport::fieldTexts(*m_catalogue->OpenRecordset(modcol::qualitiesStatement()));
        QVERIFY(columns.size() >= 5);
        for (const QString &column : columns) {
            const auto values = m_catalogue->OpenRecordset(QStringLiteral("select %1 from ofertas").arg(column));
            QCOMPARE(values->Fields(0).Value.typeId(), QMetaType::Bool);
        }
    }

    // The search and the record card find every offer, those without a
    // conservation or orientation row too.
    void statementsFindEveryOffer()
    {
        QCOMPARE(m_catalogue->OpenRecordset(modcol::searchStatement(QStringLiteral(" ")))->RecordCount(), Options.offers);
        QCOMPARE(m_catalogue->OpenRecordset(modcol::cardOffersStatement(QStringLiteral(" ")))->RecordCount(),
                 Options.offers);
    }

    // Every ruta is a unique Windows path naming a photo that decodes at
    // its planned size, upright, except the two whose file is missing on
    // purpose; the one stored sideways is upright, the sky on top, only to a
    // reader that honours its orientation tag.
    void photoRowsPointAtTheirFiles()
    {
        static const QRegularExpression windowsPath(QStringLiteral(R"(^fotos\\\d{5}_\d{2}\.(jpg|JPG)$)"));
        const QStringList rutas = testsupport::fieldTexts(*m_catalogue->OpenRecordset(QStringLiteral("select Ruta from fotos")));
        QCOMPARE(rutas.size(), int(m_plan.photos.size()));
        QCOMPARE(QSet<QString>(rutas.begin(), rutas.end()).size(), rutas.size());
        int missing = 0;
        for (qsizetype i = 0; i < rutas.size(); ++i) {
            const PhotoRow &planned = m_plan.photos[std::size_t(i)];
            QCOMPARE(rutas[i], planned.ruta);
            QVERIFY2(windowsPath.match(planned.ruta).hasMatch(), qPrintable(planned.ruta));
            QImageReader reader(localPath(m_first, planned.ruta));
            reader.setAutoTransform(true);
            if (planned.kind == PhotoFileKind::Missing) {
                QVERIFY(!QFile::exists(reader.fileName()));
                ++missing;
                continue;
            }
            const bool turned = reader.transformation() == QImageIOHandler::TransformationRotate90;
            QCOMPARE(turned, planned.exifOrientation == 6);
            const QImage image = reader.read();
            QCOMPARE(image.size(), planned.look.size);
            const QColor sky = image.pixelColor(image.width() / 2, 2);
            QVERIFY2(!turned || sky.blue() > sky.red() + 40, "the sky is not at the top");
        }
        QCOMPARE(missing, 2);
    }

    // A thumbnail stands for the photo a results cell shows, the first of
    // the program's own statement, and decodes at its width.
    void thumbnailsStandForTheFirstPhoto()
    {
        std::set<int> withThumbnail;
        for (const ThumbnailFile &thumbnail : m_plan.thumbnails) {
            const PhotoRow &photo = m_plan.photos[thumbnail.photo];
            QCOMPARE(thumbnail.ruta.toLower(), QStringLiteral("fotos\\%1cd.jpg").arg(photo.keyOfe));
            QCOMPARE(m_catalogue->OpenRecordset(modcol::firstPhotoStatement(photo.keyOfe))->Fields(0).Value.toString(),
                     photo.ruta);
            QCOMPARE(QImageReader(localPath(m_first, thumbnail.ruta)).size().width(), PhotoPlanner::ThumbnailWidth);
            withThumbnail.insert(photo.keyOfe);
        }
        QVERIFY(withThumbnail.count(7) && withThumbnail.count(123) && !withThumbnail.count(12));
        QVERIFY(withThumbnail.size() * 10 >= m_plan.offers.size() * 7);
        QVERIFY(QFile::exists(m_first + QStringLiteral("/fotos/7CD.JPG")));
    }

    // A second run makes the same bytes and replaces what the first made,
    // stale photos included, leaving the program and other files alone.
    void rerunReplacesOnlyWhatItMakes()
    {
        const QString folder = m_dir.filePath(QStringLiteral("rerun"));
        makeDemoFolder(folder, {3, 1, 9});
        for (const char *name : {"/fotos/99999_01.jpg", "/colaborador"})
            testsupport::writeFile(folder + QLatin1String(name), name);
        makeDemoFolder(folder, Options);
        auto hashes = fileHashes(folder);
        QVERIFY(hashes.erase(QStringLiteral("colaborador")) == 1);
        QVERIFY(hashes == fileHashes(m_first));
    }

    // Past the demo's size, offers share a few pictures through links on
    // disk, so a benchmark catalogue stays quick to make and small.
    void largeCatalogueSharesPictures()
    {
        const QString folder = m_dir.filePath(QStringLiteral("pooled"));
        const DemoOptions options{PhotoPlanner::OffersWithOwnPictures + 12, 1, 2};
        makeDemoFolder(folder, options);
        const CataloguePlan plan = planCatalogue(options);
        QVERIFY(!plan.pool.empty() && plan.pool.size() <= 8);
        std::set<int> ownKeys;
        for (std::size_t i = 0; i < PhotoPlanner::OffersWithOwnPictures; ++i)
            ownKeys.insert(plan.offers[i].key);
        bool linked = false;
        for (const PhotoRow &photo : plan.photos) {
            QCOMPARE(photo.kind == PhotoFileKind::Pooled, !ownKeys.count(photo.keyOfe));
            if (photo.kind == PhotoFileKind::Pooled)
                linked = linked || std::filesystem::hard_link_count(localPath(folder, photo.ruta).toStdString()) > 1;
        }
        QVERIFY(linked);
    }

private:
    QTemporaryDir m_dir;
    QString m_first;
    CataloguePlan m_plan;
    std::unique_ptr<catalogue::Database> m_catalogue;
};

QTEST_MAIN(TestDemoFolder)
#include "tst_demofolder.moc"

// The folder the generator makes: what the program finds in it, and the same
// options giving the same bytes.

#include "mdbtables.h"

#include "demofolder/agencyfiles.h"
#include "demofolder/catalogueschema.h"
#include "demofolder/demofolder.h"
#include "demofolder/photoplanner.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <filesystem>
#include <map>

using namespace demofolder;

namespace {

// Enough offers for every peculiarity, few photos to stay quick.
const DemoOptions WriteOptions{35, 2, 5};

// Relative path -> SHA-1 of every file below `root`.
std::map<QString, QByteArray> fileHashes(const QString &root)
{
    std::map<QString, QByteArray> hashes;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        hashes[QDir(root).relativeFilePath(path)] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
    }
    return hashes;
}

// Table -> its columns, as the schema script declares them.
std::map<QString, QStringList> schemaColumns()
{
    std::map<QString, QStringList> columns;
    sqlite3 *db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, catalogueSchemaSql().c_str(), nullptr, nullptr, nullptr);
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT m.name, p.name FROM sqlite_master m, pragma_table_info(m.name) p "
                           "WHERE m.type = 'table' ORDER BY m.rowid, p.cid", -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto text = [statement](int i) { return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, i))); };
        columns[text(0)] << text(1);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return columns;
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
        m_second = m_dir.filePath(QStringLiteral("second"));
        makeDemoFolder(m_first, WriteOptions);
        makeDemoFolder(m_second, WriteOptions);
        m_plan = planCatalogue(WriteOptions);
        m_tables = readMdbTables(m_first + QStringLiteral("/brezomar.mdb"));
    }

    void sameOptionsSameFolder()
    {
        const auto first = fileHashes(m_first);
        QVERIFY(first.size() > 60);
        QVERIFY(first == fileHashes(m_second));
    }

    // A second run replaces what the first made, stale photos included, and
    // leaves the program and other files of the folder alone.
    void rerunReplacesOnlyWhatItMakes()
    {
        const QString folder = m_dir.filePath(QStringLiteral("rerun"));
        makeDemoFolder(folder, {3, 1, 9});
        QFile stale(folder + QStringLiteral("/fotos/99999_01.jpg"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QFile program(folder + QStringLiteral("/colaborador"));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("program");
        program.close();

        makeDemoFolder(folder, WriteOptions);
        auto hashes = fileHashes(folder);
        QVERIFY(hashes.erase(QStringLiteral("colaborador")) == 1);
        QVERIFY(hashes == fileHashes(m_first));
    }

    void catalogueHasEveryTableAndColumn()
    {
        const auto expected = schemaColumns();
        QCOMPARE(m_tables.size(), expected.size());
        for (const MdbTable &table : m_tables) {
            QVERIFY2(expected.count(table.name), qPrintable(table.name));
            QCOMPARE(table.columns, expected.at(table.name));
        }
        QCOMPARE(m_tables.front().name, QStringLiteral("ciudad"));
    }

    void catalogueHoldsThePlannedRows_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::newRow("ofertas") << QStringLiteral("ofertas") << int(m_plan.offers.size());
        QTest::newRow("fotos") << QStringLiteral("fotos") << int(m_plan.photos.size());
        QTest::newRow("ciudad") << QStringLiteral("ciudad") << int(m_plan.ciudades.size());
        QTest::newRow("zonas") << QStringLiteral("zonas") << int(m_plan.zonas.size());
        QTest::newRow("auxcalid") << QStringLiteral("auxcalid") << int(qualityColumns().size());
    }

    void catalogueHoldsThePlannedRows()
    {
        QFETCH(QString, table);
        QFETCH(int, rows);
        for (const MdbTable &read : m_tables) {
            if (read.name == table) {
                QCOMPARE(read.rows.size(), rows);
                return;
            }
        }
        QFAIL("table missing");
    }

    // Read back from the catalogue as the program reads it: every ruta names
    // a photo that decodes at its planned size, except the two rows whose
    // file is missing on purpose.
    void photoRowsPointAtTheirFiles()
    {
        const MdbTable &fotos = table(QStringLiteral("fotos"));
        const int ruta = fotos.columns.indexOf(QStringLiteral("Ruta"));
        QCOMPARE(fotos.rows.size(), int(m_plan.photos.size()));
        int missing = 0;
        for (qsizetype i = 0; i < fotos.rows.size(); ++i) {
            const PhotoRow &planned = m_plan.photos[static_cast<std::size_t>(i)];
            QCOMPARE(fotos.rows[i][ruta], planned.ruta);
            QImageReader reader(localPath(m_first, planned.ruta));
            reader.setAutoTransform(true);
            if (planned.kind == PhotoFileKind::Missing) {
                QVERIFY(!QFile::exists(reader.fileName()));
                ++missing;
                continue;
            }
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.fileName()));
            QCOMPARE(image.size(), planned.look.size);
        }
        QCOMPARE(missing, 2);
    }

    // The demo's longest description is past the 16 KB a memo reader binds
    // by default; it must come back whole from the file.
    void longMemoReadsBackWhole()
    {
        const MdbTable &ofertas = table(QStringLiteral("ofertas"));
        const int column = ofertas.columns.indexOf(QStringLiteral("descripcion"));
        QVERIFY(column >= 0);
        QString longest;
        for (const QStringList &row : ofertas.rows)
            longest = std::max(longest, row[column], [](const QString &a, const QString &b) { return a.size() < b.size(); });
        QVERIFY(longest.toUtf8().size() > 16384);
        const auto planned = std::find_if(m_plan.offers.begin(), m_plan.offers.end(),
                                          [&](const OfferRow &o) { return o.descripcion.size() == longest.size(); });
        QVERIFY(planned != m_plan.offers.end());
        QCOMPARE(longest, planned->descripcion);
    }

    // What a thumbnail look-up by "<key>cd*" finds, case-insensitively.
    void thumbnailsAsPromised_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("7: upper-case name") << QStringLiteral("7") << QStringList{QStringLiteral("7CD.JPG")};
        QTest::newRow("12: none, not 123's") << QStringLiteral("12") << QStringList{};
        QTest::newRow("123: its own") << QStringLiteral("123") << QStringList{QStringLiteral("123cd.jpg")};
    }

    void thumbnailsAsPromised()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, found);
        QDir fotos(m_first + QStringLiteral("/fotos"));
        fotos.setNameFilters({key + QStringLiteral("cd*")});
        QCOMPARE(fotos.entryList(QDir::Files), found);
        for (const QString &name : found)
            QCOMPARE(QImageReader(fotos.filePath(name)).size().width(), PhotoPlanner::ThumbnailWidth);
    }

    // One photo is stored sideways with an orientation tag: upright only to
    // a reader that honours the tag.
    void taggedPhotoIsUprightWhenTurned()
    {
        const auto tagged = std::find_if(m_plan.photos.begin(), m_plan.photos.end(),
                                         [](const PhotoRow &p) { return p.exifOrientation == 6; });
        QVERIFY(tagged != m_plan.photos.end());
        QImageReader raw(localPath(m_first, tagged->ruta));
        raw.setAutoTransform(false);
        QCOMPARE(raw.read().size(), QSize(800, 600));

        QImageReader turned(localPath(m_first, tagged->ruta));
        turned.setAutoTransform(true);
        const QImage upright = turned.read();
        QCOMPARE(upright.size(), QSize(600, 800));
        const QColor sky = upright.pixelColor(upright.width() / 2, 2);
        QVERIFY2(sky.blue() > sky.red() + 40, "the sky is not at the top");
    }

    void agencyFilesAsWrittenOnWindows()
    {
        QFile name(m_first + QStringLiteral("/nombreinmobiliaria.txt"));
        QVERIFY(name.open(QIODevice::ReadOnly));
        const QByteArray bytes = name.readAll();
        const QList<QByteArray> lines = bytes.split('\n');
        QVERIFY(lines.size() >= 2);
        QVERIFY(lines[0].endsWith('\r'));
        QVERIFY(lines[0].startsWith(' '));
        QCOMPARE(QString::fromLatin1(lines[0]).trimmed(), QString::fromUtf8(AgencyName));

        QCOMPARE(QImageReader(m_first + QStringLiteral("/logocolaborador.jpg")).format(), QByteArray("jpeg"));
        QFile help(m_first + QStringLiteral("/funcionesbrezomar.pdf"));
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QByteArray pdf = help.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    }

    // Offers past the demo's size share pictures through links on disk.
    void pooledPhotosShareTheirBytes()
    {
        const QString folder = m_dir.filePath(QStringLiteral("pooled"));
        const DemoOptions options{PhotoPlanner::OffersWithOwnPictures + 12, 1, 2};
        makeDemoFolder(folder, options);
        const CataloguePlan plan = planCatalogue(options);
        std::map<int, std::uintmax_t> linksByPicture;
        for (const PhotoRow &photo : plan.photos) {
            if (photo.kind == PhotoFileKind::Pooled)
                linksByPicture[photo.poolIndex] = std::filesystem::hard_link_count(localPath(folder, photo.ruta).toStdString());
        }
        QVERIFY(!linksByPicture.empty());
        QVERIFY(std::any_of(linksByPicture.begin(), linksByPicture.end(), [](const auto &entry) { return entry.second > 1; }));
    }

private:
    const MdbTable &table(const QString &name) const
    {
        static const MdbTable none;
        for (const MdbTable &t : m_tables) {
            if (t.name == name)
                return t;
        }
        return none;
    }

    QTemporaryDir m_dir;
    QString m_first;
    QString m_second;
    CataloguePlan m_plan;
    std::vector<MdbTable> m_tables;
};

QTEST_MAIN(TestDemoFolder)
#include "tst_demofolder.moc"

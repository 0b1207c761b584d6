// The folder the generator makes: what the program finds in it, and the same
// options giving the same bytes.

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "demofolder/agencyfiles.h"
#include "demofolder/cataloguestore.h"
#include "demofolder/demofolder.h"
#include "demofolder/photoplanner.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "recordsetrows.h"

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
        makeDemoFolder(m_first, WriteOptions);
        m_plan = planCatalogue(WriteOptions);
        m_catalogue = catalogue::Database::OpenDatabase(m_first + QStringLiteral("/brezomar.mdb"),
                                                        QStringLiteral(";PWD=") + QLatin1String(CataloguePassword));
    }

    // A second run makes the same bytes and replaces what the first made,
    // stale photos included, leaving the program and other files alone.
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
        QVERIFY(hashes.size() > 60);
        QVERIFY(hashes == fileHashes(m_first));
    }

    // Read back from the catalogue as the program reads it: every ruta names
    // a photo that decodes at its planned size, except the two rows whose
    // file is missing on purpose; every thumbnail decodes at its width.
    void photoRowsPointAtTheirFiles()
    {
        const QStringList rutas = testsupport::fieldTexts(*m_catalogue->OpenRecordset(QStringLiteral("select Ruta from fotos")));
        QCOMPARE(rutas.size(), int(m_plan.photos.size()));
        int missing = 0;
        for (qsizetype i = 0; i < rutas.size(); ++i) {
            const PhotoRow &planned = m_plan.photos[static_cast<std::size_t>(i)];
            QCOMPARE(rutas[i], planned.ruta);
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
        for (const ThumbnailFile &thumbnail : m_plan.thumbnails)
            QCOMPARE(QImageReader(localPath(m_first, thumbnail.ruta)).size().width(), PhotoPlanner::ThumbnailWidth);
    }

    // One photo is stored sideways with an orientation tag: upright, the
    // sky at the top, only to a reader that honours the tag.
    void taggedPhotoIsUprightWhenTurned()
    {
        const auto tagged = std::find_if(m_plan.photos.begin(), m_plan.photos.end(),
                                         [](const PhotoRow &p) { return p.exifOrientation == 6; });
        QVERIFY(tagged != m_plan.photos.end());
        QImageReader turned(localPath(m_first, tagged->ruta));
        QCOMPARE(turned.transformation(), QImageIOHandler::TransformationRotate90);
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
    QTemporaryDir m_dir;
    QString m_first;
    CataloguePlan m_plan;
    std::unique_ptr<catalogue::Database> m_catalogue;
};

QTEST_MAIN(TestDemoFolder)
#include "tst_demofolder.moc"

// Catalogue paths looked up as Windows finds them, in folders listed once,
// in the background, and looked at again when they change.

#include <filesystem>
#include <memory>

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "filelookup/cataloguepaths.h"
#include "filelookup/folderindex.h"
#include "filelookup/foldernames.h"
#include "startup/modcol.h"
#include "testfiles.h"

using namespace modcol;
using testsupport::writeFile;

class TestCataloguePaths : public QObject
{
    Q_OBJECT

private slots:
    // Fresh folders for every case: a case-sensitive file system may hold
    // "fotos" and "Fotos" side by side, which no catalogue folder does.
    void init()
    {
        m_app = std::make_unique<QTemporaryDir>();
        m_bd = std::make_unique<QTemporaryDir>();
        QVERIFY(m_app->isValid() && m_bd->isValid());
        RutaApp = m_app->path() + QLatin1Char('/');
        RutaBd = m_bd->path() + QLatin1Char('/');
    }

    void resolvesAsWindowsWould_data()
    {
        QTest::addColumn<QString>("onDisk");
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<bool>("found");
        QTest::newRow("backslashes") << "fotos/00123_02.jpg" << "fotos\\00123_02.jpg" << true;
        QTest::newRow("other case, every step") << "Fotos/Casa_01.JPG" << "FOTOS\\casa_01.jpg" << true;
        QTest::newRow("capitals asked, none on disk") << "fotos/casa_01.jpg" << "FOTOS\\CASA_01.JPG" << true;
        QTest::newRow("accented name, other case") << "fotos/Ñandú.jpg" << "fotos\\ñANDÚ.JPG" << true;
        QTest::newRow("doubled and dot steps") << "fotos/a.jpg" << "fotos\\\\.\\a.jpg" << true;
        QTest::newRow("empty ruta") << "fotos/a.jpg" << "" << false;
        QTest::newRow("hidden file") << "fotos/.oculta.jpg" << "fotos\\.oculta.jpg" << false;
        QTest::newRow("a folder is no file") << "fotos/sub/x.jpg" << "fotos\\sub" << false;
        QTest::newRow("climbs out") << "fotos/a.jpg" << "fotos\\..\\..\\etc\\passwd" << false;
        QTest::newRow("climbs and returns") << "fotos/a.jpg" << "fotos\\..\\fotos\\a.jpg" << false;
        QTest::newRow("absolute, backslash") << "fotos/a.jpg" << "\\etc\\passwd" << false;
        QTest::newRow("absolute, slash") << "fotos/a.jpg" << "/etc/passwd" << false;
        QTest::newRow("drive letter") << "fotos/a.jpg" << "C:\\fotos\\a.jpg" << false;
    }

    void resolvesAsWindowsWould()
    {
        QFETCH(QString, onDisk);
        QFETCH(QString, ruta);
        QFETCH(bool, found);
        writeFile(RutaApp + onDisk);
        const QString file = existingFile(RutaApp, ruta);
        QCOMPARE(!file.isEmpty(), found);
        if (found)
            QCOMPARE(file, RutaApp + onDisk);
    }

    // A folder's listing holds only what trying a name cannot find: names
    // with capitals, and thumbnails (digits and "cd").
    void listingKeepsWhatTriesMiss()
    {
        for (const char *name : {"a.jpg", "B.jpg", "12cd.jpg", "12CD-2.JPG", "x12cd.jpg", "cd.jpg", "ñ.jpg", "Ñu.jpg"})
            writeFile(RutaApp + "fotos/" + QString::fromUtf8(name));
        QStringList kept;
        QVERIFY(forEachKeptName(RutaApp + "fotos", [&](const QString &name, FolderName) { kept << name; },
                                [] { return false; }));
        kept.sort();
        QCOMPARE(kept, QStringList({"12CD-2.JPG", "12cd.jpg", "B.jpg", "Ñu.jpg"}));
    }

    // An empty second base folder is no folder: never the current one.
    void emptyBaseIsNoFolder()
    {
        writeFile(RutaApp + "fotos/a.jpg");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(RutaApp);
        QVERIFY(existingFile(QString(), "fotos\\a.jpg").isEmpty());
        QVERIFY(photoFile({QString(), QString()}, "fotos\\a.jpg").isEmpty());
        QVERIFY(firstThumbnailFile(QString(), "fotos", 1).isEmpty());
        QDir::setCurrent(previous);
    }

    // The listing of a folder is kept between look-ups; a file added later
    // must still be found.
    void filesAddedLaterAreFound()
    {
        writeFile(RutaApp + "fotos/1cd.jpg");
        QVERIFY(existingFile(RutaApp, "fotos\\NUEVA.jpg").isEmpty());
        QVERIFY(firstThumbnailFile(RutaApp, "fotos", 2).isEmpty());
        writeFile(RutaApp + "fotos/nueva.jpg");
        writeFile(RutaApp + "fotos/2cd.jpg");
        // However close in time, the folder's modification time changes.
        const std::filesystem::path photos = QFile::encodeName(RutaApp + "fotos").toStdString();
        std::filesystem::last_write_time(photos, std::filesystem::last_write_time(photos) + std::chrono::seconds(2));
        QCOMPARE(existingFile(RutaApp, "fotos\\NUEVA.jpg"), RutaApp + "fotos/nueva.jpg");
        QCOMPARE(firstThumbnailFile(RutaApp, "fotos", 2), RutaApp + "fotos/2cd.jpg");
    }

    // Quitting stops the background listings and nothing waits for them;
    // what a stopped listing found is never taken for the whole folder.
    void quittingStopsBackgroundListings()
    {
        writeFile(RutaApp + "fotos/a.jpg");
        for (int i = 0; i < 300; ++i)
            writeFile(RutaBd + QString("colimg/%1CD.jpg").arg(i));
        prepareFolderLookups({RutaApp, QString()}); // as the program does at start
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();

        QLoggingCategory::setFilterRules("colaborador.filelookup.debug=true");
        prepareFolderLookups(baseFolders());
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("background listing of .*colimg\" was stopped"));
        QCOMPARE(firstThumbnailFile(RutaBd, "colimg", 299), RutaBd + "colimg/299CD.jpg");
    }

private:
    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QTemporaryDir> m_bd;
};

QTEST_GUILESS_MAIN(TestCataloguePaths)
#include "tst_cataloguepaths.moc"

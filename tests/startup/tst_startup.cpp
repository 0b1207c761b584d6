#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h> // mkfifo
#endif

#include "catalogue/catalogueerror.h"
#include "startup/agencyname.h"
#include "startup/modcol.h"
#include "startup/registro.h"
#include "startup/workingcopy.h"

using namespace modcol;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray utf16(QStringConverter::Encoding encoding, const QString &text)
{
    return QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(text);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The settings of the test live in a folder of its own, never the user's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
    }

    // The settings file is written by hand: a path is taken as written.
    void settingsFile_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: no file
        QTest::addColumn<QString>("rutaBd");
        QTest::newRow("comma") << QByteArray("Rutabd=/srv/Fotos, 2006/brezomar.mdb\n") << "/srv/Fotos, 2006/";
        QTest::newRow("semicolon") << QByteArray("Rutabd=/srv/fotos;viejas/brezomar.mdb") << "/srv/fotos;viejas/";
        QTest::newRow("backslashes, CR LF") << QByteArray("Rutabd=C:\\Datos\\brezomar.mdb\r\nOtro=1\r\n") << "C:/Datos/";
        QTest::newRow("quoted, other case, in a section")
            << QByteArray("[General]\nRUTABD = \"/srv/con espacios/brezomar.mdb\"\n") << "/srv/con espacios/";
        QTest::newRow("empty, lower case") << QByteArray("rutabd=\n") << "";
        QTest::newRow("no separator") << QByteArray("Rutabd=brezomar.mdb") << "";
        QTest::newRow("commented out") << QByteArray("#Rutabd=/srv/x/brezomar.mdb\n") << "";
        QTest::newRow("no file") << QByteArray() << "";
    }

    void settingsFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, rutaBd);
        const QString file = m_dir.filePath("config/Brezomar.conf");
        QFile::remove(file);
        if (!contents.isNull())
            writeFile(file, contents);
        QCOMPARE(folderOf(LeeRegistro()), rutaBd);
    }

    void workingCopyName()
    {
        const QDateTime start(QDate(2006, 10, 23), QTime(17, 45, 2));
        const QString name = "20061023174502.mdb";
        QCOMPARE(workingCopyPath(m_dir.path(), start), m_dir.filePath(name));
        QCOMPARE(workingCopyPath(m_dir.path() + "/", start.addMSecs(900)), m_dir.filePath(name));
        QCOMPARE(workingCopyPath(QCoreApplication::applicationFilePath(), start), name); // a file is no folder
    }

    // TMPDIR naming a missing folder and no catalogue beside the program:
    // the name stays relative, and opening reports the missing catalogue.
    void startWithoutTemporaryFolderOrCatalogue()
    {
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_dir.filePath("missing")));
        Main();
        qputenv("TMPDIR", tmpdir);
        QVERIFY2(QRegularExpression("^\\d{14}\\.mdb$").match(RutaTemp).hasMatch(), qPrintable(RutaTemp));
        QVERIFY(!QFile::exists(RutaTemp));
        try {
            AbreBaseDatos();
            QFAIL("opened a working copy that was never made");
        } catch (const catalogue::CatalogueError &e) {
            QVERIFY2(e.message().contains("brezomar.mdb"), qPrintable(e.message()));
        }
    }

    // The working copy's name is predictable in a shared folder. What lies
    // under it is replaced, never written through; a read-only catalogue on
    // a CD still gives a writable copy.
    void workingCopyNeverWritesThroughALink_data()
    {
        QTest::addColumn<bool>("link");  // else a leftover file under the name
        QTest::addColumn<QFile::Permissions>("planted"); // of the linked or leftover file; none: no file
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QTest::newRow("read-only leftover") << false << readOnly;
        QTest::newRow("link to a read-only file") << true << readOnly;
        QTest::newRow("link to another's file") << true << (QFile::ReadOwner | QFile::WriteOwner);
        QTest::newRow("dangling link") << true << QFile::Permissions();
    }

    void workingCopyNeverWritesThroughALink()
    {
        QFETCH(bool, link);
        QFETCH(QFile::Permissions, planted);
        QTemporaryDir dir;
        const QString source = dir.filePath("cd/brezomar.mdb");
        const QString target = dir.filePath("tmp/20061023174502.mdb");
        const QString other = dir.filePath("ajena/clave");
        writeFile(source, QByteArray(100000, 'j'));
        QFile::setPermissions(source, QFile::ReadOwner);
        const QString plantedFile = link ? other : target;
        if (planted) {
            writeFile(plantedFile, "ajeno");
            QFile::setPermissions(plantedFile, planted);
        }
        const QFile::Permissions plantedMode = QFile::permissions(plantedFile);
        QDir().mkpath(dir.filePath("tmp"));
        if (link)
            QVERIFY(QFile::link(other, target));

        copyCatalogue(source, target);
        QVERIFY(!QFileInfo(target).isSymLink());
        QFile copy(target);
        QVERIFY(copy.open(QIODevice::ReadWrite));
        QCOMPARE(copy.readAll(), QByteArray(100000, 'j'));
        if (link && planted) {
            QCOMPARE(readFile(other), QByteArray("ajeno"));
            QCOMPARE(QFile::permissions(other), plantedMode);
        }
        QCOMPARE(QDir(dir.filePath("tmp")).entryList(QDir::Files).size(), 1);
    }

    // Only an ordinary catalogue is read, never waited on; a folder in the
    // copy's place stays. Each is refused saying what it is, and no copy is made.
    void fifoOrFolderRefused_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("folderAsCopy");
        QTest::addColumn<QString>("says");
        QTest::newRow("a folder in the copy's place") << "brezomar.mdb" << true << "ya hay una carpeta";
        QTest::newRow("a folder as the catalogue") << "carpeta" << false << "es una carpeta";
#ifdef Q_OS_UNIX
        QTest::newRow("a FIFO as the catalogue") << "fifo" << false << "no es un archivo normal";
#endif
    }

    void fifoOrFolderRefused()
    {
        QFETCH(QString, source);
        QFETCH(bool, folderAsCopy);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString target = dir.filePath("20061023174502.mdb");
        writeFile(dir.filePath("brezomar.mdb"), "catalogue");
        writeFile(dir.filePath("carpeta/dentro"), "x");
        if (folderAsCopy)
            writeFile(target + "/dentro", "x");
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
#endif
        try {
            copyCatalogue(dir.filePath(source), target);
            QFAIL("copied");
        } catch (const catalogue::CatalogueError &e) {
            QVERIFY2(e.message().contains(says), qPrintable(e.message()));
        }
        QCOMPARE(QFileInfo(target).isDir(), folderAsCopy);
        QCOMPARE(readFile(target + "/dentro"), folderAsCopy ? QByteArray("x") : QByteArray());
    }

    void agencyName_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<QString>("name");
        QTest::newRow("Windows-1252, CR LF") << QByteArray("  Inmobiliaria \xD1" "and\xFA  \r\nsegunda\r\n")
                                             << QString("Inmobiliaria Ñandú");
        QTest::newRow("CR only") << QByteArray("Casas del Sur\rSegunda linea\r") << QString("Casas del Sur");
        QTest::newRow("UTF-8") << QByteArray("\tPeñíscola Costa \n") << QString("Peñíscola Costa");
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF" "Cádiz Casas\r\n") << QString("Cádiz Casas");
        QTest::newRow("UTF-16 LE with mark") << utf16(QStringConverter::Utf16LE, " Inmobiliaria Ñandú\r\nsegunda")
                                             << QString("Inmobiliaria Ñandú");
        QTest::newRow("UTF-16 BE with mark") << utf16(QStringConverter::Utf16BE, "Casas € \rsegunda")
                                             << QString("Casas €");
        QTest::newRow("empty") << QByteArray("") << QString();
        QTest::newRow("blank first line") << QByteArray("   \r\nNombre\r\n") << QString();
        QTest::newRow("no file") << QByteArray() << QString();
    }

    void agencyName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        const QString file = m_dir.filePath("nombreinmobiliaria.txt");
        QFile::remove(file);
        if (!bytes.isNull())
            writeFile(file, bytes);
        QCOMPARE(readAgencyName(file), name);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"

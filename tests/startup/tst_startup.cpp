#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "startup/agencyname.h"
#include "startup/registro.h"
#include "startup/workingcopy.h"

using namespace modcol;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Settings of the test live in a folder of its own, never the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("settings"));
    }

    void registryValue_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("rutaBd");
        QTest::newRow("file in a folder") << QVariant("C:\\Datos\\Brezo\\brezomar.mdb") << "C:/Datos/Brezo/";
        QTest::newRow("unix path") << QVariant("/srv/catalogo/brezomar.mdb") << "/srv/catalogo/";
        QTest::newRow("drive root") << QVariant("D:\\brezomar.mdb") << "D:/";
        QTest::newRow("no separator") << QVariant("brezomar.mdb") << "";
        QTest::newRow("empty text") << QVariant("") << "";
        QTest::newRow("byte block") << QVariant(QByteArray("C:\\x\\y.mdb")) << "";
        QTest::newRow("list") << QVariant(QStringList{"C:\\x\\", "y"}) << "";
        QTest::newRow("missing") << QVariant() << "";
    }

    void registryValue()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, rutaBd);
        {
            QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Brezomar");
            settings.clear();
            if (stored.isValid())
                settings.setValue("Rutabd", stored);
        }
        QCOMPARE(folderOf(LeeRegistro()), rutaBd);
    }

    void workingCopyName()
    {
        const QDateTime start(QDate(2006, 10, 23), QTime(17, 45, 2));
        QCOMPARE(workingCopyPath("/tmp", start), QString("/tmp/20061023174502.mdb"));
        QCOMPARE(workingCopyPath("/tmp/", start), QString("/tmp/20061023174502.mdb"));
        QCOMPARE(workingCopyPath("/tmp", start.addMSecs(900)), workingCopyPath("/tmp", start));
    }

    // A catalogue on a CD is read-only; its copy must not be, and it replaces
    // a read-only leftover of an earlier start in the same second.
    void workingCopyIsWritableAndReplacesOlder()
    {
        const QString source = m_dir.filePath("brezomar.mdb");
        const QString target = m_dir.filePath("20061023174502.mdb");
        writeFile(source, QByteArray(100000, 'j'));
        writeFile(target, "older");
        QFile::setPermissions(source, QFile::ReadOwner);
        QFile::setPermissions(target, QFile::ReadOwner);

        QVERIFY(copyCatalogue(source, target));
        QFile copy(target);
        QVERIFY(copy.open(QIODevice::ReadWrite));
        QCOMPARE(copy.readAll(), QByteArray(100000, 'j'));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
    }

    void missingCatalogueLeavesNoCopy()
    {
        const QString target = m_dir.filePath("20990101000000.mdb");
        QVERIFY(!copyCatalogue(m_dir.filePath("no-such.mdb"), target));
        QVERIFY(!copyCatalogue(QString(), target));
        QVERIFY(!QFile::exists(target));
    }

    void agencyName_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::newRow("Windows-1252, CR LF") << QByteArray("  Inmobiliaria \xD1" "and\xFA  \r\nsegunda\r\n")
                                             << QString("Inmobiliaria Ñandú");
        QTest::newRow("UTF-8") << QByteArray("\tPeñíscola Costa \n") << QString("Peñíscola Costa");
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF" "Cádiz Casas\r\n") << QString("Cádiz Casas");
        QTest::newRow("euro sign in 1252") << QByteArray("Casas \x80 ") << QString("Casas €");
        QTest::newRow("no line end") << QByteArray("Solo") << QString("Solo");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("blank first line") << QByteArray("   \r\nNombre\r\n") << QString();
    }

    void agencyName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        const QString file = m_dir.filePath("nombreinmobiliaria.txt");
        writeFile(file, bytes);
        QCOMPARE(readAgencyName(file), name);
    }

    void agencyNameWithoutFile()
    {
        QCOMPARE(readAgencyName(m_dir.filePath("missing.txt")), QString());
        QCOMPARE(readAgencyName(QString()), QString());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"

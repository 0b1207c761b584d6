// Opening a catalogue: the password check, and files that are missing, not
// Jet databases or damaged, each refused with a message naming the file.

#include <functional>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "testcatalogue.h"

using namespace catalogue;

namespace {

constexpr int PageSize = 4096;
using Patch = std::function<void(QByteArray &)>;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void store(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

unsigned char pageType(const QByteArray &file, int page)
{
    return static_cast<unsigned char>(file.at(page * PageSize));
}

// The first page after page 2 of the given type for which `also` holds.
int findPage(const QByteArray &file, unsigned char type, const std::function<bool(const char *)> &also = {})
{
    for (int page = 3; page < file.size() / PageSize; ++page) {
        if (pageType(file, page) == type && (!also || also(file.constData() + page * PageSize)))
            return page;
    }
    return -1;
}

int tableDefinition(const QByteArray &file)
{
    return findPage(file, 0x02);
}

int dataPage(const QByteArray &file)
{
    const quint32 owner = quint32(tableDefinition(file));
    return findPage(file, 0x01, [owner](const char *page) { return qFromLittleEndian<quint32>(page + 4) == owner; });
}

// The long-value page holding a full chunk of a chained memo.
int chainedMemoPage(const QByteArray &file)
{
    return findPage(file, 0x01, [](const char *page) {
        return QByteArray(page + 4, 4) == "LVAL" && qFromLittleEndian<quint16>(page + 14) == 4096 - 4076;
    });
}

} // namespace

class TestOpening : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_healthy = testsupport::writeCatalogue(
            m_dir,
            QStringLiteral("CREATE TABLE t (id INTEGER, nota LONGTEXT);"
                           "INSERT INTO t VALUES (1, '%1'), (2, 'corta');")
                .arg(QString(3000, u'x')),
            QString(), QStringLiteral("sana.mdb"));
    }

    void passwords_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("connect");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right") << "pinoverdes_" << ";PWD=pinoverdes_" << true;
        QTest::newRow("other case") << "pinoverdes_" << ";PWD=PINOVERDES_" << false;
        QTest::newRow("missing") << "pinoverdes_" << "" << false;
        QTest::newRow("a prefix") << "pinoverdes_" << ";PWD=pinoverdes" << false;
        QTest::newRow("longer") << "pinoverdes_" << ";PWD=pinoverdes_x" << false;
        QTest::newRow("non-ASCII, 19 characters") << "contraseña€12345678" << ";PWD=contraseña€12345678" << true;
        QTest::newRow("no password, any given") << "" << ";PWD=cualquiera" << true;
        QTest::newRow("no password, none given") << "" << "" << true;
    }
    void passwords()
    {
        QFETCH(QString, stored);
        QFETCH(QString, connect);
        QFETCH(bool, opens);
        const QString path = testsupport::writeCatalogue(
            m_dir, QStringLiteral("CREATE TABLE a (x INTEGER); CREATE TABLE b (y TEXT(5)); CREATE TABLE c (z BOOLEAN);"),
            stored, QStringLiteral("clave.mdb"));
        if (opens) {
            QCOMPARE(Database::OpenDatabase(path, connect)->TableDefCount(), 3);
            return;
        }
        try {
            Database::OpenDatabase(path, connect);
            QFAIL("opened with a wrong password");
        } catch (const CatalogueError &error) {
            QVERIFY(error.message().contains(QStringLiteral("contraseña")));
            QVERIFY(error.message().contains(QStringLiteral("clave.mdb")));
        }
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // null: no such file
        QTest::addColumn<QString>("reason");
        QByteArray noise(3 * PageSize, '\0');
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::newRow("missing") << "nada.mdb" << QByteArray() << "No se encuentra";
        QTest::newRow("empty") << "vacia.mdb" << QByteArray("") << "no es una base de datos";
        QTest::newRow("text") << "texto.mdb" << QByteArray("Standard Jet DB, o casi\n") << "no es una base de datos";
        QTest::newRow("random bytes") << "ruido.mdb" << noise << "no es una base de datos";
    }
    void refusedFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(name);
        if (!bytes.isNull())
            store(path, bytes);
        try {
            Database::OpenDatabase(path, QString());
            QFAIL("opened");
        } catch (const CatalogueError &error) {
            QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
            QVERIFY(error.message().contains(QDir::toNativeSeparators(path)));
        }
    }

    void directoryIsNotADatabase()
    {
        QVERIFY_THROWS_EXCEPTION(CatalogueError, Database::OpenDatabase(m_dir.path(), QString()));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<Patch>("patch");
        QTest::newRow("truncated within a page") << Patch([](QByteArray &f) { f.chop(100); });
        QTest::newRow("cut after the system catalogue")
            << Patch([](QByteArray &f) { f.truncate(3 * PageSize); });
        QTest::newRow("system catalogue zeroed")
            << Patch([](QByteArray &f) { f.replace(2 * PageSize, PageSize, QByteArray(PageSize, '\0')); });
        QTest::newRow("table definition zeroed") << Patch([](QByteArray &f) {
            f.replace(tableDefinition(f) * PageSize, PageSize, QByteArray(PageSize, '\0'));
        });
        QTest::newRow("page map outside the file") << Patch([](QByteArray &f) {
            qToLittleEndian<quint32>(0xFFFFFF00, f.data() + tableDefinition(f) * PageSize + 55);
        });
        QTest::newRow("data page of another kind")
            << Patch([](QByteArray &f) { f[dataPage(f) * PageSize] = 0x03; });
        QTest::newRow("memo chain back on itself") << Patch([](QByteArray &f) {
            const int page = chainedMemoPage(f);
            QVERIFY(page > 0);
            qToLittleEndian<quint32>(quint32(page) << 8, f.data() + page * PageSize + 20);
        });
        QTest::newRow("every page after the header random") << Patch([](QByteArray &f) {
            QRandomGenerator random(11);
            random.fillRange(reinterpret_cast<quint32 *>(f.data() + PageSize), (f.size() - PageSize) / 4);
        });
    }
    void damagedFiles()
    {
        QFETCH(Patch, patch);
        QByteArray bytes = contents(m_healthy);
        QVERIFY(tableDefinition(bytes) > 0 && dataPage(bytes) > 0);
        patch(bytes);
        const QString path = m_dir.filePath(QStringLiteral("danada.mdb"));
        store(path, bytes);
        try {
            const auto db = Database::OpenDatabase(path, QString());
            const auto rs = db->OpenRecordset(QStringLiteral("select * from t"));
            QFAIL("read a damaged file");
        } catch (const CatalogueError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("dañada")), qPrintable(error.message()));
            QVERIFY(error.message().contains(QStringLiteral("danada.mdb")));
        }
    }

    void healthyFileReadsWhole()
    {
        const auto db = Database::OpenDatabase(m_healthy, QString());
        const auto rs = db->OpenRecordset(QStringLiteral("select nota from t"));
        QCOMPARE(rs->Fields(0).Value.toString(), QString(3000, u'x'));
    }

private:
    QTemporaryDir m_dir;
    QString m_healthy;
};

QTEST_GUILESS_MAIN(TestOpening)
#include "tst_opening.moc"

// Opening a catalogue: the password check, and files that are missing, not
// Jet databases or damaged, each refused with a message naming the file.

#include <cstring>
#include <functional>

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "everystatement.h"
#include "recordsetrows.h"
#include "testcatalogue.h"
#include "testfiles.h"

using namespace catalogue;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

constexpr int PageSize = 4096;
using Patch = std::function<void(QByteArray &)>;

// The first page after page 2 of the given type for which `also` holds.
int findPage(const QByteArray &file, unsigned char type, const std::function<bool(const char *)> &also = {})
{
    for (int page = 3; page < file.size() / PageSize; ++page) {
        if (static_cast<unsigned char>(file.at(page * PageSize)) == type && (!also || also(file.constData() + page * PageSize)))
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

// Where in the file the row table of page `page` holds row `row`.
char *rowSlot(QByteArray &file, int page, int row)
{
    return file.data() + page * PageSize + 14 + 2 * row;
}

char *rowStart(QByteArray &file, int page, int row)
{
    return file.data() + page * PageSize + (qFromLittleEndian<quint16>(rowSlot(file, page, row)) & 0x1FFF);
}

void setFlags(QByteArray &file, int row, quint16 flags)
{
    char *slot = rowSlot(file, dataPage(file), row);
    qToLittleEndian<quint16>(qFromLittleEndian<quint16>(slot) | flags, slot);
}

// Where a column's description (25 bytes from byte 63 of the table's
// definition, one per column) holds each of these.
enum ColumnField { Type = 0, Number = 5, VariableIndex = 7, FixedOffset = 21 };

char *columnField(QByteArray &file, int column, ColumnField field)
{
    return file.data() + tableDefinition(file) * PageSize + 63 + 25 * column + field;
}

// The long-value header of `nota` in data row `row`. A row ends with the
// offsets of its two variable columns (nota's first), their count and a
// one-byte null mask.
char *notaHeader(QByteArray &file, int row)
{
    const int page = dataPage(file);
    const char *end = row == 0 ? file.data() + (page + 1) * PageSize : rowStart(file, page, row - 1);
    return rowStart(file, page, row) + qFromLittleEndian<quint16>(end - 7);
}

// The long-value row that `pointer` (page and row number) names, and where
// its page's row table holds it.
char *longValueRow(QByteArray &file, const char *pointer)
{
    const quint32 pageRow = qFromLittleEndian<quint32>(pointer);
    return rowStart(file, int(pageRow >> 8), int(pageRow & 0xFF));
}
char *longValueSlot(QByteArray &file, const char *pointer)
{
    const quint32 pageRow = qFromLittleEndian<quint32>(pointer);
    return rowSlot(file, int(pageRow >> 8), int(pageRow & 0xFF));
}

// The stored row count of the table's definition.
void addToRowCount(QByteArray &file, qint32 change)
{
    char *count = file.data() + tableDefinition(file) * PageSize + 16;
    qToLittleEndian<qint32>(qFromLittleEndian<qint32>(count) + change, count);
}

// Opens `path` and sends it `statements` twice (a second try after a failed
// load fails the same way): refused with the damaged-file message naming the
// file, and `table` where one is given.
void expectDamaged(const QString &path, const QString &table, const std::function<void(Database &)> &statements)
{
    try {
        const auto db = Database::OpenDatabase(path, QStringLiteral(";PWD=pinoverdes_"));
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                statements(*db);
                QFAIL("read a damaged file");
            } catch (const CatalogueError &) {
                if (attempt == 1)
                    throw;
            }
        }
    } catch (const CatalogueError &error) {
        const QString message = error.message();
        QVERIFY2(message.startsWith(QStringLiteral("La base de datos «%1» está dañada (").arg(QDir::toNativeSeparators(path)))
                     && (table.isEmpty() || message.contains(QStringLiteral("«%1»").arg(table))),
                 qPrintable(message));
    }
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
            QStringLiteral("CREATE TABLE fotos (CodFoto INTEGER, KeyOfe INTEGER, Ruta TEXT(100), orden SMALLINT, "
                           "nomostrar BOOLEAN, nota LONGTEXT);"
                           "INSERT INTO fotos VALUES (1, 10, 'a.jpg', 1, 0, '%1'), (2, 10, 'b.jpg', 2, 1, 'corta'),"
                           " (3, 11, 'c.jpg', 1, 0, '%2');")
                .arg(QString(3000, u'x'), QString(3000, u'y')),
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
        QTest::newRow("longer") << "pinoverdes_" << ";PWD=pinoverdes_x" << false;
        QTest::newRow("20 characters, the longest") << "contraseña€123456789" << ";PWD=contraseña€123456789" << true;
        QTest::newRow("19 of those 20") << "contraseña€123456789" << ";PWD=contraseña€12345678" << false;
        QTest::newRow("no password, any given") << "" << ";PWD=cualquiera" << true;
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
        QTest::newRow("random bytes") << "ruido.mdb" << noise << "no es una base de datos";
        QTest::newRow("a folder") << "." << QByteArray() << "no es una base de datos";
    }
    void refusedFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(name);
        if (!bytes.isNull())
            writeFile(path, bytes);
        try {
            Database::OpenDatabase(path, QString());
            QFAIL("opened");
        } catch (const CatalogueError &error) {
            QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
            QVERIFY(error.message().contains(QDir::toNativeSeparators(path)));
        }
    }

    // Damage is refused, naming the table where one is hit: never a table
    // with fewer or more rows than it has. (A row inside the page header and
    // a column's place in the row are files of damaged/.)
    void damagedFiles_data()
    {
        QTest::addColumn<Patch>("patch");
        QTest::addColumn<QString>("table"); // named in the message; empty for damage outside the tables
        QTest::newRow("truncated within a page") << Patch([](QByteArray &f) { f.chop(100); }) << "";
        QTest::newRow("cut after the system catalogue")
            << Patch([](QByteArray &f) { f.truncate(3 * PageSize); }) << "";
        QTest::newRow("system catalogue zeroed")
            << Patch([](QByteArray &f) { f.replace(2 * PageSize, PageSize, QByteArray(PageSize, '\0')); }) << "";
        QTest::newRow("table definition zeroed") << Patch([](QByteArray &f) {
            f.replace(tableDefinition(f) * PageSize, PageSize, QByteArray(PageSize, '\0'));
        }) << "fotos";
        QTest::newRow("page map outside the file") << Patch([](QByteArray &f) {
            qToLittleEndian<quint32>(0xFFFFFF00, f.data() + tableDefinition(f) * PageSize + 55);
        }) << "fotos";
        QTest::newRow("data page of another kind")
            << Patch([](QByteArray &f) { f[dataPage(f) * PageSize] = 0x03; }) << "fotos";
        QTest::newRow("a data page's row count 0")
            << Patch([](QByteArray &f) { qToLittleEndian<quint16>(0, f.data() + dataPage(f) * PageSize + 12); })
            << "fotos";
        QTest::newRow("a row with more columns than the table")
            << Patch([](QByteArray &f) { qToLittleEndian<quint16>(7, rowStart(f, dataPage(f), 1)); }) << "fotos";
        QTest::newRow("a row with no columns")
            << Patch([](QByteArray &f) { qToLittleEndian<quint16>(0, rowStart(f, dataPage(f), 1)); }) << "fotos";
        QTest::newRow("the last row starting in the page's row count")
            << Patch([](QByteArray &f) { qToLittleEndian<quint16>(12, rowSlot(f, dataPage(f), 2)); }) << "fotos";
        QTest::newRow("a row past the page's end")
            << Patch([](QByteArray &f) { qToLittleEndian<quint16>(0x1FFF, rowSlot(f, dataPage(f), 0)); }) << "fotos";
        QTest::newRow("a row deleted, the count kept") << Patch([](QByteArray &f) { setFlags(f, 1, 0xC000); })
                                                       << "fotos";
        QTest::newRow("the definition's row count raised") << Patch([](QByteArray &f) { addToRowCount(f, 1); })
                                                           << "fotos";
        // fotos: CodFoto, KeyOfe (Long), Ruta (Text), orden (Integer), nomostrar, nota (memo).
        QTest::newRow("a column's value over another's")
            << Patch([](QByteArray &f) { *columnField(f, 1, FixedOffset) = 2; }) << "fotos";
        QTest::newRow("a column's value past the fixed area")
            << Patch([](QByteArray &f) { *columnField(f, 3, FixedOffset) = 9; }) << "fotos";
        QTest::newRow("two columns with one number")
            << Patch([](QByteArray &f) { *columnField(f, 0, Number) = 1; }) << "fotos";
        QTest::newRow("a type Jet does not have") << Patch([](QByteArray &f) { *columnField(f, 3, Type) = 0x20; })
                                                  << "fotos";
        QTest::newRow("a Long's type made Integer") << Patch([](QByteArray &f) { *columnField(f, 0, Type) = 0x03; })
                                                    << "fotos";
        QTest::newRow("two variable columns with one index")
            << Patch([](QByteArray &f) { *columnField(f, 5, VariableIndex) = 0; }) << "fotos";
        QTest::newRow("a variable index past the table's count")
            << Patch([](QByteArray &f) { *columnField(f, 2, VariableIndex) = 2; }) << "fotos";
        QTest::newRow("the count of variable columns lowered") << Patch([](QByteArray &f) {
            f[tableDefinition(f) * PageSize + 0x2B] = 1;
        }) << "fotos";
        // Both long memos are chains of two rows, of the same lengths.
        QTest::newRow("a long value's chain cut short") << Patch([](QByteArray &f) {
            qToLittleEndian<quint32>(0, longValueRow(f, notaHeader(f, 0) + 4));
        }) << "fotos";
        QTest::newRow("a long value's chain into another value") << Patch([](QByteArray &f) {
            std::memcpy(longValueRow(f, notaHeader(f, 2) + 4), longValueRow(f, notaHeader(f, 0) + 4), 4);
        }) << "fotos";
        QTest::newRow("a long value longer than it declares") << Patch([](QByteArray &f) { --*notaHeader(f, 0); })
                                                           << "fotos";
        QTest::newRow("a long value's last row starting in free space") << Patch([](QByteArray &f) {
            char *slot = longValueSlot(f, longValueRow(f, notaHeader(f, 0) + 4));
            qToLittleEndian<quint16>(qFromLittleEndian<quint16>(slot) - 0x100, slot);
        }) << "fotos";
        QTest::newRow("every page after the header random") << Patch([](QByteArray &f) {
            QRandomGenerator random(11);
            random.fillRange(reinterpret_cast<quint32 *>(f.data() + PageSize), (f.size() - PageSize) / 4);
        }) << "";
    }
    void damagedFiles()
    {
        QFETCH(Patch, patch);
        QFETCH(QString, table);
        QByteArray bytes = readFile(m_healthy);
        QVERIFY(tableDefinition(bytes) > 0 && dataPage(bytes) > 0);
        patch(bytes);
        expectDamaged(writeFile(m_dir.filePath(QStringLiteral("danada.mdb")), bytes), table,
                      [](Database &db) { db.OpenRecordset(QStringLiteral("select * from fotos")); });
    }

    // The catalogues of damaged/, one per class of damage that the fuzz
    // target or a partner met, whatever statement of the program reaches it first.
    void damagedFolder_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(DAMAGED_FOLDER));
        for (const QString &file : folder.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }
    void damagedFolder()
    {
        QFETCH(QString, path);
        expectDamaged(path, QString(), testsupport::sendEveryStatement);
    }

    // Rows Jet marks as deleted or as moved elsewhere are not damage; a row
    // written before a column was added (its column count lower than the
    // table's) reads that column as Null.
    void rowsJetMarks_data()
    {
        QTest::addColumn<Patch>("patch");
        QTest::addColumn<QString>("keys"); // "-" after a key whose nota is Null
        QTest::newRow("none") << Patch([](QByteArray &) {}) << "1 2 3";
        QTest::newRow("deleted") << Patch([](QByteArray &f) {
            setFlags(f, 1, 0xC000);
            addToRowCount(f, -1);
        }) << "1 3";
        QTest::newRow("moved here from another page") << Patch([](QByteArray &f) { setFlags(f, 1, 0x8000); })
                                                      << "1 2 3";
        QTest::newRow("written before nota was added")
            << Patch([](QByteArray &f) { qToLittleEndian<quint16>(5, rowStart(f, dataPage(f), 1)); }) << "1 2- 3";
    }
    void rowsJetMarks()
    {
        QFETCH(Patch, patch);
        QFETCH(QString, keys);
        QByteArray bytes = readFile(m_healthy);
        patch(bytes);
        const auto rs = Database::OpenDatabase(writeFile(m_dir.filePath(QStringLiteral("marcas.mdb")), bytes), QString())->OpenRecordset(QStringLiteral("select CodFoto, nota from fotos"));
        QStringList read;
        testsupport::forEachRow(*rs, [&] {
            read << rs->Fields(0).Value.toString() + (rs->Fields(1).Value.isNull() ? QStringLiteral("-") : QString());
        });
        QCOMPARE(read.join(u' '), keys);
    }

private:
    QTemporaryDir m_dir;
    QString m_healthy;
};

QTEST_GUILESS_MAIN(TestOpening)
#include "tst_opening.moc"

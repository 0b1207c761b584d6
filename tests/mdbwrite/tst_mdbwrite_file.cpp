// The file as a whole: identical output, page bookkeeping, refused values that leave no
// file behind, and the command-line tool. (The password's round trip is in the engine's
// opening tests and the mdb-reader comparison.)

#include "testcatalogue.h"
#include "testfiles.h"

#include "mdbwrite/mdbwriter.h"

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using testsupport::readFile;

namespace {

constexpr int PageSize = 4096;

quint16 at16(const QByteArray &file, qsizetype offset)
{
    return qFromLittleEndian<quint16>(file.constData() + offset);
}

const QString Sample = QStringLiteral(R"(
    CREATE TABLE ofertas (Cod_Ofer INTEGER, ref TEXT(20), notas MEMO, alta DATETIME);
    WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 700)
    INSERT INTO ofertas SELECT i, 'REF-' || i, replace(hex(zeroblob(i * 7)), '00', 'ñ€'), '2024-05-17 10:30' FROM n;
    CREATE TABLE fotos (CodFoto INTEGER, KeyOfe INTEGER, nomostrar BOOLEAN);
    WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000)
    INSERT INTO fotos SELECT i, i / 10, i % 7 = 0 FROM n;
)");

} // namespace

class TestMdbwriteFile : public QObject
{
    Q_OBJECT

private slots:
    void sameInputGivesSameBytes()
    {
        const auto write = [this](const char *name, double creationDate) {
            mdbwrite::Options options;
            options.password = "pinoverdes_";
            options.creationDate = creationDate;
            mdbwrite::writeScript(Sample.toStdString(), m_dir.filePath(name).toStdString(), options);
            return readFile(m_dir.filePath(name));
        };
        const QByteArray first = write("uno.mdb", 45429.4375);
        QVERIFY(first.size() > 100 * PageSize);
        QVERIFY(first == write("dos.mdb", 45429.4375));
        QVERIFY(write("tres.mdb", 45430.4375) != first);
    }

    // What readers do not check but a later writer would rely on: free space, packed rows.
    void pagesAreConsistent()
    {
        const QByteArray file = readFile(testsupport::writeCatalogue(m_dir, Sample));
        QVERIFY(!file.isEmpty());
        QCOMPARE(file.size() % PageSize, 0);
        for (qsizetype page = 0; page < file.size(); page += PageSize) {
            const QString where = QStringLiteral("page %1").arg(page / PageSize);
            const char type = file[page];
            if (type == 0x01) {
                const int rows = at16(file, page + 12);
                QVERIFY2(rows >= 1 && rows <= 255, qPrintable(where));
                int end = PageSize;
                int used = 0;
                for (int r = 0; r < rows; ++r) {
                    const int start = at16(file, page + 14 + 2 * r);
                    QVERIFY2(start < end && start >= 14 + 2 * rows, qPrintable(where)); // no flag bits
                    used += end - start + 2;
                    end = start;
                }
                QCOMPARE(at16(file, page + 2), 4096 - 14 - used);
            } else if (type == 0x02 && qFromLittleEndian<quint32>(file.constData() + page + 4) == 0) {
                const quint32 length = qFromLittleEndian<quint32>(file.constData() + page + 8);
                QCOMPARE(at16(file, page + 2), 4096 - 8 - int(length));
                QCOMPARE(at16(file, page + length - 2), 0xFFFF);
            } else {
                QVERIFY2(type == 0x00 || type == 0x05, qPrintable(where));
            }
        }
    }

    void refusedValues_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("message");

        const QString texts8 = QStringLiteral("t0 TEXT, t1 TEXT, t2 TEXT, t3 TEXT, t4 TEXT, t5 TEXT, t6 TEXT, t7 TEXT");
        const QString euros = QStringLiteral("replace(hex(zeroblob(255)), '00', '€')");

        QTest::newRow("text too long")
            << "CREATE TABLE ofertas (ref Text (5)); INSERT INTO ofertas VALUES ('12345'), ('123456');"
            << QStringList{"'ofertas'", "row 2", "'ref'", "6 characters"};
        QTest::newRow("long out of range") << "CREATE TABLE t (id INTEGER); INSERT INTO t VALUES (2147483648);"
                                           << QStringList{"'t'", "row 1", "'id'", "out of range"};
        QTest::newRow("negative byte") << "CREATE TABLE t (a INT, baños TINYINT); INSERT INTO t VALUES (1, 0), (2, -1);"
                                       << QStringList{"row 2", "'baños'", "out of range"};
        QTest::newRow("integer too big") << "CREATE TABLE t (n SMALLINT); INSERT INTO t VALUES (32768);"
                                         << QStringList{"'n'", "out of range"};
        QTest::newRow("fraction in long") << "CREATE TABLE t (n INTEGER); INSERT INTO t VALUES (1.5);"
                                          << QStringList{"'n'", "not a whole number"};
        QTest::newRow("text in double") << "CREATE TABLE t (x DOUBLE); INSERT INTO t VALUES ('abc');"
                                        << QStringList{"'x'", "text where a number"};
        QTest::newRow("text in boolean") << "CREATE TABLE t (b BOOLEAN); INSERT INTO t VALUES ('sí');"
                                         << QStringList{"'b'", "text where a number"};
        QTest::newRow("date in other order") << "CREATE TABLE t (d DATETIME); INSERT INTO t VALUES ('15/01/2024');"
                                             << QStringList{"'d'", "not a date"};
        QTest::newRow("no such day") << "CREATE TABLE t (d DATE); INSERT INTO t VALUES ('2023-02-29');"
                                     << QStringList{"'d'", "not a date"};
        QTest::newRow("number as date") << "CREATE TABLE t (d DATETIME); INSERT INTO t VALUES (45000);"
                                        << QStringList{"'d'", "date as text"};
        QTest::newRow("currency out of range") << "CREATE TABLE t (p CURRENCY); INSERT INTO t VALUES (922337203685478);"
                                               << QStringList{"'p'", "out of range"};
        QTest::newRow("binary in text") << "CREATE TABLE t (s TEXT(9)); INSERT INTO t VALUES (x'41');"
                                        << QStringList{"'s'", "binary data"};
        QTest::newRow("NUL in text") << "CREATE TABLE t (s TEXT(9)); INSERT INTO t VALUES ('a' || char(0) || 'b');"
                                     << QStringList{"'s'", "U+0000"};
        QTest::newRow("row too long") << QStringLiteral("CREATE TABLE t (%1); INSERT INTO t VALUES (%2);")
                                             .arg(texts8, QStringList(8, euros).join(", "))
                                      << QStringList{"'t'", "row 1", "4060"};
        QTest::newRow("no Jet type") << "CREATE TABLE t (x BLOB);" << QStringList{"'x'", "BLOB"};
        QTest::newRow("no type at all") << "CREATE TABLE t (x);" << QStringList{"'x'", "no Jet equivalent"};
        QTest::newRow("text of 256") << "CREATE TABLE t (x TEXT(256));" << QStringList{"'x'", "1 to 255"};
        QTest::newRow("length on a number") << "CREATE TABLE t (x INTEGER(4));" << QStringList{"'x'", "no length"};
        QTest::newRow("name of 65") << QStringLiteral("CREATE TABLE t (%1 INTEGER);").arg(QString(65, 'c'))
                                    << QStringList{"1 to 64"};
        QTest::newRow("catalog's name") << "CREATE TABLE msysobjects (a INTEGER);" << QStringList{"MSysObjects"};
        QTest::newRow("SQL error") << "CREATE TABLE t (a INTEGER); INSERT INTO u VALUES (1);"
                                   << QStringList{"no such table"};
    }

    void refusedValues()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, message);

        const QTemporaryDir dir;
        const QString path = dir.filePath("rechazo.mdb");
        QString error;
        try {
            mdbwrite::writeScript(script.toStdString(), path.toStdString());
        } catch (const mdbwrite::WriteError &e) {
            error = QString::fromUtf8(e.what());
        }
        for (const QString &part : message)
            QVERIFY2(error.contains(part), qPrintable(QStringLiteral("\"%1\" lacks \"%2\"").arg(error, part)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void failedWriteKeepsTheOldFile()
    {
        const QString path = testsupport::writeCatalogue(m_dir, Sample);
        const QByteArray before = readFile(path);
        QVERIFY_THROWS_EXCEPTION(mdbwrite::WriteError,
                                 testsupport::writeCatalogue(m_dir, Sample + "INSERT INTO fotos VALUES (1, 1e10, 0);"));
        QVERIFY(readFile(path) == before);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // OUT: the file to write; SCRIPT: a file holding the script
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("says");
        const QByteArray good = "CREATE TABLE situación (baños TINYINT); INSERT INTO situación VALUES (3);";
        QTest::newRow("standard input, a password") << QStringList{"--password", "pinoverdes_", "OUT", "-"} << good << 0
                                                    << QByteArray();
        QTest::newRow("a refused value") << QStringList{"OUT", "SCRIPT"}
                                         << QByteArray("CREATE TABLE t (b TINYINT); INSERT INTO t VALUES (300);") << 1
                                         << QByteArray("row 1, column 'b'");
        QTest::newRow("a password over 20 characters") << QStringList{"--password", "abcdefghijklmnopqrstu", "OUT", "-"}
                                                       << good << 1 << QByteArray("mdbwrite:");
        QTest::newRow("no script") << QStringList{"OUT"} << good << 2 << QByteArray("usage:");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, script);
        QFETCH(int, status);
        QFETCH(QByteArray, says);
        const QTemporaryDir dir;
        const QString path = dir.filePath("cli.mdb");
        arguments.replaceInStrings("OUT", path).replaceInStrings("SCRIPT", testsupport::writeFile(dir.filePath("a.sql"), script));
        const testsupport::ProgramRun run = testsupport::runProgram(MDBWRITE_EXECUTABLE, arguments, script);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(says), run.err.constData());
        QCOMPARE(QFileInfo::exists(path), status == 0);
        if (status == 0) {
            QVERIFY_THROWS_EXCEPTION(catalogue::CatalogueError, catalogue::Database::OpenDatabase(path, QString()));
            const auto written = catalogue::Database::OpenDatabase(path, ";PWD=pinoverdes_");
            QCOMPARE(written->OpenRecordset("select baños from situación")->Fields(0).Value, QVariant(3));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestMdbwriteFile)
#include "tst_mdbwrite_file.moc"

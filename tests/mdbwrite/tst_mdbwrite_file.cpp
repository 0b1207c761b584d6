// Refused values, which leave no file behind and keep the one written
// before, and the command-line tool. (Identical output for identical input is the demo folder's
// rerun; the password's round trip is in the engine's opening tests and the
// mdb-reader comparison.)

#include "testcatalogue.h"
#include "testfiles.h"

#include "mdbwrite/mdbwriter.h"

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using testsupport::readFile;

class TestMdbwriteFile : public QObject
{
    Q_OBJECT

private slots:
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

    // Refused over a file written before: that file stays as it was, and
    // nothing else is left behind.
    void refusedValues()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, message);
        const QTemporaryDir dir;
        const QString path = testsupport::writeCatalogue(dir, QStringLiteral("CREATE TABLE a (b INTEGER);"));
        const QByteArray before = readFile(path);
        QString error;
        try {
            mdbwrite::writeScript(script.toStdString(), path.toStdString());
        } catch (const mdbwrite::WriteError &e) {
            error = QString::fromUtf8(e.what());
        }
        for (const QString &part : message)
            QVERIFY2(error.contains(part), qPrintable(QStringLiteral("\"%1\" lacks \"%2\"").arg(error, part)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList(QFileInfo(path).fileName()));
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
};

QTEST_GUILESS_MAIN(TestMdbwriteFile)
#include "tst_mdbwrite_file.moc"

// The command line: bad options are refused before anything is written, a
// failure to write is reported, and a good run makes the folder.

#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"

class TestMakeDemoCd : public QObject
{
    Q_OBJECT

private slots:
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments"); // OUT stands for a folder of the test's
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no folder") << QStringList() << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("negative offers") << QStringList{"OUT", "--offers", "-1"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("photos over 999") << QStringList{"OUT", "--photos-per-offer", "1000"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("seed over 32 bits") << QStringList{"OUT", "--seed", "4294967296"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("two folders") << QStringList{"OUT", "otra"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("a folder inside a file") << QStringList{"OUT/demo", "--offers", "2"} << 1 << QByteArray("cannot create");
        QTest::newRow("good, the largest seed")
            << QStringList{"OUT", "--offers", "4", "--photos-per-offer", "1", "--seed", "4294967295"} << 0 << QByteArray();
    }

    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        const QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        if (status == 1)
            testsupport::writeFile(out);
        const auto run = testsupport::runProgram(QStringLiteral(MAKE_DEMO_CD), arguments.replaceInStrings(QStringLiteral("OUT"), out));
        QCOMPARE(run.status, status);
        QVERIFY(run.err.contains(message));
        QCOMPARE(QFileInfo(out).isDir(), status == 0);
        for (const char *name : {"brezomar.mdb", "nombreinmobiliaria.txt", "logocolaborador.jpg", "funcionesbrezomar.pdf",
                                 "fotos/00007_01.jpg"})
            QCOMPARE(QFileInfo::exists(out + QLatin1Char('/') + QLatin1String(name)), status == 0);
    }
};

QTEST_MAIN(TestMakeDemoCd)
#include "tst_makedemocd.moc"

// The command line: bad options are refused before anything is written, a
// failure to write is reported, and a good run makes the folder.

#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"

class TestMakeDemoCd : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "OUT" stands for a folder of the test's
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no folder") << QStringList() << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("negative offers") << QStringList{"OUT", "--offers", "-1"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("offers not a number") << QStringList{"OUT", "--offers", "sesenta"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("photos over 999") << QStringList{"OUT", "--photos-per-offer", "1000"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("seed over 32 bits") << QStringList{"OUT", "--seed", "4294967296"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("two folders") << QStringList{"OUT", "otra"} << 2 << QByteArray("make-demo-cd:");
        QTest::newRow("a folder inside a file") << QStringList{"OUT/demo", "--offers", "2"} << 1 << QByteArray("cannot create");
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        const QString out = m_dir.filePath(QStringLiteral("out"));
        if (status == 1)
            testsupport::writeFile(out);
        const auto run = testsupport::runProgram(QStringLiteral(MAKE_DEMO_CD), arguments.replaceInStrings(QStringLiteral("OUT"), out));
        QCOMPARE(run.status, status);
        QVERIFY(run.err.contains(message));
        QCOMPARE(QFileInfo(out).isDir(), false);
    }

    void goodRunMakesTheFolder()
    {
        const QString out = m_dir.filePath(QStringLiteral("made"));
        const QStringList options{"--offers", "4", "--photos-per-offer", "1", "--seed", "4294967295"};
        QCOMPARE(testsupport::runProgram(QStringLiteral(MAKE_DEMO_CD), QStringList{out} + options).status, 0);
        for (const char *name : {"brezomar.mdb", "nombreinmobiliaria.txt", "logocolaborador.jpg", "funcionesbrezomar.pdf",
                                 "fotos/00007_01.jpg"})
            QVERIFY2(QFileInfo::exists(out + QLatin1Char('/') + QLatin1String(name)), name);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMakeDemoCd)
#include "tst_makedemocd.moc"

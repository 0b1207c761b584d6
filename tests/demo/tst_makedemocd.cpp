// The command line: bad options are refused before anything is written, a
// failure to write is reported, and a good run makes the folder.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray errors;
};

Run makeDemoCd(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(MAKE_DEMO_CD), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

} // namespace

class TestMakeDemoCd : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void badOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("negative offers") << QStringList{QStringLiteral("--offers"), QStringLiteral("-1")};
        QTest::newRow("offers not a number") << QStringList{QStringLiteral("--offers"), QStringLiteral("sesenta")};
        QTest::newRow("photos over 999") << QStringList{QStringLiteral("--photos-per-offer"), QStringLiteral("1000")};
        QTest::newRow("seed over 32 bits") << QStringList{QStringLiteral("--seed"), QStringLiteral("4294967296")};
        QTest::newRow("two folders") << QStringList{QStringLiteral("otra")};
    }

    void badOptionsAreRefused()
    {
        QFETCH(QStringList, options);
        const QString out = m_dir.filePath(QStringLiteral("refused"));
        const Run run = makeDemoCd(QStringList{out} + options);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.errors.contains("make-demo-cd:"));
        QVERIFY(!QFileInfo::exists(out));
    }

    void missingFolderIsRefused()
    {
        QCOMPARE(makeDemoCd({}).exitCode, 2);
    }

    void unwritableFolderIsReported()
    {
        const QString file = m_dir.filePath(QStringLiteral("a-file"));
        QFile blocker(file);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Run run = makeDemoCd({file + QStringLiteral("/demo"), QStringLiteral("--offers"), QStringLiteral("2")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.errors.contains("cannot create"));
    }

    void goodRunMakesTheFolder()
    {
        const QString out = m_dir.filePath(QStringLiteral("made"));
        const Run run = makeDemoCd({out, QStringLiteral("--offers"), QStringLiteral("4"), QStringLiteral("--photos-per-offer"),
                                    QStringLiteral("1"), QStringLiteral("--seed"), QStringLiteral("4294967295")});
        QCOMPARE(run.exitCode, 0);
        for (const char *name : {"brezomar.mdb", "nombreinmobiliaria.txt", "logocolaborador.jpg", "funcionesbrezomar.pdf",
                                 "fotos/00007_01.jpg"})
            QVERIFY2(QFileInfo::exists(out + QLatin1Char('/') + QLatin1String(name)), name);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestMakeDemoCd)
#include "tst_makedemocd.moc"

#include <QProcess>
#include <QTest>

class TestFailure : public QObject
{
    Q_OBJECT

private slots:
    // Failures in every resize handler: each handler finishes, one error box
    // appears afterwards, and the program ends with a failure status.
    void fatalFailureShowsOneBoxAndEnds()
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + "/fatalprobe", {});
        QVERIFY(probe.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QVERIFY(probe.exitCode() != 0);
        QCOMPARE(lines.filter("box|").size(), 1);
        QCOMPARE(lines.last(), QString("box|PROPIEDADES COLABORADOR|No se puede abrir «x.mdb»."));
        QVERIFY(lines.first() == "handler returned");
    }
};

QTEST_GUILESS_MAIN(TestFailure)
#include "tst_failure.moc"

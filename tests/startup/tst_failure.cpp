#include <QTest>

#include "testfiles.h"

class TestFailure : public QObject
{
    Q_OBJECT

private slots:
    // Failures in every resize handler: each handler finishes, one error box
    // appears afterwards, and the program ends with a failure status. A
    // skipped statement that meets a damaged catalogue ends it the same way.
    void fatalFailureShowsOneBoxAndEnds_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("box");
        QTest::newRow("no trap") << "" << "box|PROPIEDADES COLABORADOR|No se puede abrir «x.mdb».";
        QTest::newRow("damage skipped")
            << "damage" << "box|PROPIEDADES COLABORADOR|La base de datos «x.mdb» está dañada (tabla «fotos»).";
    }

    void fatalFailureShowsOneBoxAndEnds()
    {
        QFETCH(QString, mode);
        QFETCH(QString, box);
        const testsupport::ProgramRun probe = testsupport::runProgram(QCoreApplication::applicationDirPath() + "/fatalprobe", {mode});
        const QStringList lines = QString::fromUtf8(probe.out).split('\n', Qt::SkipEmptyParts);
        QVERIFY(probe.status > 0);
        QCOMPARE(lines.filter("box|").size(), 1);
        QCOMPARE(lines.last(), box);
        QVERIFY(lines.first() == "handler returned");
    }
};

QTEST_GUILESS_MAIN(TestFailure)
#include "tst_failure.moc"

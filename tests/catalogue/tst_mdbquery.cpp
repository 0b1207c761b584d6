// mdbquery, the support tool: what it prints and how it fails.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "testcatalogue.h"

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run mdbquery(const QStringList &arguments, const QString &locale = QStringLiteral("es_ES.UTF-8"),
             const QString &mdbiconv = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    if (!mdbiconv.isEmpty())
        environment.insert(QStringLiteral("MDBICONV"), mdbiconv);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MDBQUERY_EXECUTABLE), arguments);
    process.waitForFinished(60000);
    return Run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
               QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestMdbquery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_catalogue = testsupport::writeCatalogue(m_dir, QStringLiteral(
            "CREATE TABLE ofertas (Cod_Ofer INTEGER, precioinmo CURRENCY, m_uties DOUBLE, nota TEXT(50), \"baños\" INTEGER);"
            "INSERT INTO ofertas VALUES (2, 1234567.6, 114.5, 'con\ttab y\nsalto', 2), (1, 0, NULL, NULL, 1);"),
            QStringLiteral("pinoverdes_"));
    }

    void printsRowsAsTheEngineGivesThem()
    {
        const Run run = mdbquery({QStringLiteral("--password"), QStringLiteral("pinoverdes_"), m_catalogue,
                                  QStringLiteral("select Cod_Ofer, Format(precioinmo,\"#,##0 eur\") as precio, "
                                                 "m_uties, nota from ofertas")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Cod_Ofer\tprecio\tm_uties\tnota\n"
                                         "2\t1.234.568 eur\t114,5\tcon\\ttab y\\nsalto\n"
                                         "1\t0 eur\t\t\n"));
    }

    // The system's regional settings, or Spain's where the system has none.
    void followsTheRegionalSettings_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("row");
        QTest::newRow("Spanish") << "es_ES.UTF-8" << "1.234.568 eur\t114,5";
        QTest::newRow("English") << "en_US.UTF-8" << "1,234,568 eur\t114.5";
        QTest::newRow("none") << "C" << "1.234.568 eur\t114,5";
    }

    void followsTheRegionalSettings()
    {
        QFETCH(QString, locale);
        QFETCH(QString, row);
        const Run run = mdbquery({QStringLiteral("--password"), QStringLiteral("pinoverdes_"), m_catalogue,
                                  QStringLiteral("select Format(precioinmo,\"#,##0 eur\"), m_uties from ofertas "
                                                 "where Cod_Ofer=2")},
                                 locale);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(u'\n').value(1), row);
    }

    // libmdb gives names in the encoding MDBICONV names; the engine needs UTF-8.
    void namesWhateverMdbiconvSays()
    {
        const Run run = mdbquery({QStringLiteral("--password"), QStringLiteral("pinoverdes_"), m_catalogue,
                                  QStringLiteral("select baños from ofertas where Cod_Ofer=2")},
                                 QStringLiteral("es_ES.UTF-8"), QStringLiteral("ISO-8859-1"));
        QCOMPARE(run.out, QStringLiteral("baños\n2\n"));
    }

    void headerOnlyForNoRows()
    {
        const Run run = mdbquery({QStringLiteral("--password"), QStringLiteral("pinoverdes_"), m_catalogue,
                                  QStringLiteral("select nota from ofertas where Cod_Ofer=9")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("nota\n"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString statement = QStringLiteral("select * from ofertas");
        QTest::newRow("no password") << QStringList{m_catalogue, statement} << "contraseña";
        QTest::newRow("wrong password") << QStringList{"--password", "PINOVERDES_", m_catalogue, statement}
                                        << "contraseña";
        QTest::newRow("missing file") << QStringList{"--password", "x", m_dir.filePath("no.mdb"), statement}
                                      << "No se encuentra";
        QTest::newRow("failing statement") << QStringList{"--password", "pinoverdes_", m_catalogue, "select x from y"}
                                           << "no existe la tabla";
        QTest::newRow("missing statement") << QStringList{m_catalogue} << "uso:";
    }
    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = mdbquery(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.count(u'\n'), 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

private:
    QTemporaryDir m_dir;
    QString m_catalogue;
};

QTEST_GUILESS_MAIN(TestMdbquery)
#include "tst_mdbquery.moc"

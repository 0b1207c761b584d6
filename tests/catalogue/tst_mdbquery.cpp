// mdbquery, the support tool: what it prints and how it fails.

#include <QTemporaryDir>
#include <QTest>

#include "testcatalogue.h"
#include "testfiles.h"

namespace {

testsupport::ProgramRun mdbquery(const QStringList &arguments, const QString &locale = QStringLiteral("es_ES.UTF-8"),
                                 const QString &mdbiconv = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    if (!mdbiconv.isEmpty())
        environment.insert(QStringLiteral("MDBICONV"), mdbiconv);
    return testsupport::runProgram(QStringLiteral(MDBQUERY_EXECUTABLE), arguments, QByteArray(), environment);
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

    // Rows as the engine gives them, numbers in the system's regional
    // settings (Spain's where the system has none), names in UTF-8 whatever
    // encoding MDBICONV asks libmdb for.
    void prints_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("mdbiconv");
        QTest::addColumn<QString>("out");
        const QString formatted = QStringLiteral("select Format(precioinmo,\"#,##0 eur\") as precio, m_uties, nota "
                                                 "from ofertas");
        QTest::newRow("Spanish") << formatted << "es_ES.UTF-8" << ""
                                 << "precio\tm_uties\tnota\n1.234.568 eur\t114,5\tcon\\ttab y\\nsalto\n0 eur\t\t\n";
        QTest::newRow("English") << formatted + " where Cod_Ofer=2" << "en_US.UTF-8" << ""
                                 << "precio\tm_uties\tnota\n1,234,568 eur\t114.5\tcon\\ttab y\\nsalto\n";
        QTest::newRow("no regional settings") << formatted + " where Cod_Ofer=2" << "C" << ""
                                              << "precio\tm_uties\tnota\n1.234.568 eur\t114,5\tcon\\ttab y\\nsalto\n";
        QTest::newRow("no rows, the header") << "select nota from ofertas where Cod_Ofer=9" << "es_ES.UTF-8" << ""
                                             << "nota\n";
        QTest::newRow("MDBICONV Latin-1") << "select baños from ofertas where Cod_Ofer=2" << "es_ES.UTF-8"
                                          << "ISO-8859-1" << "baños\n2\n";
    }
    void prints()
    {
        QFETCH(QString, statement);
        QFETCH(QString, locale);
        QFETCH(QString, mdbiconv);
        QFETCH(QString, out);
        const auto run = mdbquery({QStringLiteral("--password"), QStringLiteral("pinoverdes_"), m_catalogue, statement},
                                  locale, mdbiconv);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.out), out);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString statement = QStringLiteral("select * from ofertas");
        QTest::newRow("no password") << QStringList{m_catalogue, statement} << "contraseña";
        QTest::newRow("failing statement") << QStringList{"--password", "pinoverdes_", m_catalogue, "select x from y"}
                                           << "no existe la tabla";
        QTest::newRow("missing statement") << QStringList{m_catalogue} << "uso:";
    }
    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const auto run = mdbquery(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    }

private:
    QTemporaryDir m_dir;
    QString m_catalogue;
};

QTEST_GUILESS_MAIN(TestMdbquery)
#include "tst_mdbquery.moc"

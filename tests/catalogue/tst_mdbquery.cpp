// mdbquery, the support tool: what it prints and how it fails.

#include <QTemporaryDir>
#include <QTest>

#include "testcatalogue.h"
#include "testfiles.h"

namespace {

testsupport::ProgramRun mdbquery(const QStringList &arguments, const QString &locale, const QString &mdbiconv)
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
    // encoding MDBICONV asks libmdb for; a failure, one line on standard
    // error and status 2.
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments"); // DB: the test's catalogue
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("mdbiconv");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // standard output, or what the line on standard error says
        const auto query = [](const QString &statement) { return QStringList{"--password", "pinoverdes_", "DB", statement}; };
        const QString formatted = QStringLiteral("select Format(precioinmo,\"#,##0 eur\") as precio, m_uties, nota "
                                                 "from ofertas");
        QTest::newRow("Spanish") << query(formatted) << "es_ES.UTF-8" << "" << 0
                                 << "precio\tm_uties\tnota\n1.234.568 eur\t114,5\tcon\\ttab y\\nsalto\n0 eur\t\t\n";
        QTest::newRow("English") << query(formatted + " where Cod_Ofer=2") << "en_US.UTF-8" << "" << 0
                                 << "precio\tm_uties\tnota\n1,234,568 eur\t114.5\tcon\\ttab y\\nsalto\n";
        QTest::newRow("no regional settings") << query(formatted + " where Cod_Ofer=2") << "C" << "" << 0
                                              << "precio\tm_uties\tnota\n1.234.568 eur\t114,5\tcon\\ttab y\\nsalto\n";
        QTest::newRow("no rows, the header") << query("select nota from ofertas where Cod_Ofer=9") << "es_ES.UTF-8" << ""
                                             << 0 << "nota\n";
        QTest::newRow("MDBICONV Latin-1") << query("select baños from ofertas where Cod_Ofer=2") << "es_ES.UTF-8"
                                          << "ISO-8859-1" << 0 << "baños\n2\n";
        QTest::newRow("no password") << QStringList{"DB", "select * from ofertas"} << "es_ES.UTF-8" << "" << 2 << "contraseña";
        QTest::newRow("failing statement") << query("select x from y") << "es_ES.UTF-8" << "" << 2 << "no existe la tabla";
        QTest::newRow("missing statement") << QStringList{"DB"} << "es_ES.UTF-8" << "" << 2 << "uso:";
    }
    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, mdbiconv);
        QFETCH(int, status);
        QFETCH(QString, out);
        const auto run = mdbquery(arguments.replaceInStrings(QStringLiteral("DB"), m_catalogue), locale, mdbiconv);
        QCOMPARE(run.status, status);
        if (status == 0) {
            QCOMPARE(run.err, QByteArray());
            QCOMPARE(QString::fromUtf8(run.out), out);
        } else {
            QCOMPARE(run.out, QByteArray());
            QCOMPARE(run.err.count('\n'), 1);
            QVERIFY2(QString::fromUtf8(run.err).contains(out), run.err.constData());
        }
    }

private:
    QTemporaryDir m_dir;
    QString m_catalogue;
};

QTEST_GUILESS_MAIN(TestMdbquery)
#include "tst_mdbquery.moc"

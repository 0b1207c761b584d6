// The statement translation (literals never altered, names given their
// stored spelling, the tie-breaker of ORDER BY) and the number patterns of
// Format().

#include <QTest>

#include "catalogue/private/numberpattern.h"
#include "catalogue/private/statementtranslator.h"
#include "catalogue/private/storednames.h"
#include "spanishlocale.h"

using namespace catalogue;

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        testsupport::pinSpanishLocale();
        m_schema.addTable(QStringLiteral("ofertas"),
                          {QStringLiteral("Cod_Ofer"), QStringLiteral("precioinmo"), QStringLiteral("baños")});
        m_schema.addTable(QStringLiteral("Fotos"),
                          {QStringLiteral("CodFoto"), QStringLiteral("KeyOfe"), QStringLiteral("orden")});
        m_schema.addTable(QStringLiteral("tipo"), {QStringLiteral("Cod_Tipo"), QStringLiteral("Tipo_Ofer")});
        m_schema.addTable(QStringLiteral("Ñandú"), {QStringLiteral("Cod_Ofer")});
    }

    // The translation and its ORDER BY tie-breaker: only what the
    // statements' behaviour elsewhere does not show (cases of non-ASCII names,
    // bracketed names, aliases, numbers, double-quoted and unterminated
    // literals are run in the value, statement and mdbquery tests).
    void translate_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("sqlite"); // empty: not looked at
        QTest::addColumn<QString>("tieBreaker");
        QTest::newRow("quotes inside a double-quoted literal")
            << "select \"l'Albir\", \"dijo \"\"sí\"\"\" from tipo" << "select 'l''Albir', 'dijo \"sí\"' from tipo" << "";
        QTest::newRow("single-quoted literal untouched")
            << "select * from tipo where Tipo_Ofer='dijo \"BAÑOS\" y l''Albir'"
            << "select * from tipo where Tipo_Ofer='dijo \"BAÑOS\" y l''Albir'" << "";
        QTest::newRow("non-ASCII case of a table") << "select ñandú.Cod_Ofer from ÑANDÚ"
                                                   << "select \"Ñandú\".Cod_Ofer from \"Ñandú\"" << "";
        QTest::newRow("two keys of one table") << "select * from fotos where keyofe=5 order by orden asc,Fotos.CodFoto"
                                               << "" << ",\"Fotos\".rowid";
        QTest::newRow("keys of two tables") << "select * from tipo, ofertas order by tipo_ofer, precioinmo" << "" << "";
        QTest::newRow("distinct") << "select distinct tipo.tipo_ofer from tipo order by tipo.tipo_ofer" << "" << "";
        QTest::newRow("expression") << "select * from ofertas order by precioinmo*2" << "" << "";
        QTest::newRow("column of two tables") << "select * from ofertas, Ñandú order by cod_ofer" << "" << "";
        QTest::newRow("order inside a subquery only")
            << "select * from ofertas where cod_ofer in (select cod_ofer from ofertas order by precioinmo)" << "" << "";
    }
    void translate()
    {
        QFETCH(QString, statement);
        QFETCH(QString, sqlite);
        QFETCH(QString, tieBreaker);
        const TranslatedStatement translated = translateStatement(statement, m_schema);
        if (!sqlite.isEmpty())
            QCOMPARE(translated.sql, sqlite);
        QCOMPARE(translated.tieBreaker, tieBreaker);
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("four digits grouped") << "#,##0 €" << 1234.0 << "1.234 €";
        QTest::newRow("millions") << "#,##0 eur" << 1234567.6 << "1.234.568 eur";
        QTest::newRow("three digits") << "#,##0 €" << 999.0 << "999 €";
        QTest::newRow("zero") << "#,##0 eur" << 0.0 << "0 eur";
        QTest::newRow("half to even, down") << "#,##0" << 2.5 << "2";
        QTest::newRow("half to even, up") << "#,##0" << 3.5 << "4";
        QTest::newRow("negative") << "#,##0 €" << -1234.4 << "-1.234 €";
        QTest::newRow("negative rounding to zero") << "#,##0" << -0.4 << "0";
        QTest::newRow("zero padding") << "0000" << 7.0 << "0007";
        QTest::newRow("decimals") << "#,##0.00" << 1234.5 << "1.234,50";
        QTest::newRow("optional decimals") << "#,##0.##" << 1234.0 << "1.234";
        QTest::newRow("no integer digit") << "#.##" << 0.5 << ",5";
        QTest::newRow("quoted and escaped literals") << "\"Precio: \"#,##0\\€" << 1500.0 << "Precio: 1.500€";
        QTest::newRow("percent") << "0%" << 0.25 << "25%";
    }
    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberPattern::parse(pattern).format(value), text);
    }

private:
    StoredNames m_schema;
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"

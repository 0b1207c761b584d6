// Every declared type and tricky value, written and read back through libmdb.

#include "mdbreadback.h"
#include "scriptfile.h"

#include <mdbtools.h>

#include <QTemporaryDir>
#include <QTest>

namespace {

// SQL for `count` repetitions of `piece`.
QString repeated(int count, const QString &piece)
{
    return QStringLiteral("replace(hex(zeroblob(%1)), '00', '%2')").arg(count).arg(piece);
}

} // namespace

class TestMdbwriteValues : public QObject
{
    Q_OBJECT

private slots:
    void declaredTypes_data()
    {
        QTest::addColumn<QString>("declared");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size"); // readers report 0 for Booleans
        // The other spellings (INT, BIT, REAL, MONEY, DATE...) are written in values() below.

        QTest::newRow("INTEGER") << "INTEGER" << int(MDB_LONGINT) << 4;
        QTest::newRow("SMALLINT") << "SMALLINT" << int(MDB_INT) << 2;
        QTest::newRow("TINYINT") << "TINYINT" << int(MDB_BYTE) << 1;
        QTest::newRow("BYTE") << "byte" << int(MDB_BYTE) << 1;
        QTest::newRow("BOOLEAN") << "BOOLEAN" << int(MDB_BOOL) << 0;
        QTest::newRow("DOUBLE") << "DOUBLE" << int(MDB_DOUBLE) << 8;
        QTest::newRow("CURRENCY") << "CURRENCY" << int(MDB_MONEY) << 8;
        QTest::newRow("DATETIME") << "DATETIME" << int(MDB_DATETIME) << 8;
        QTest::newRow("TEXT(40)") << "TEXT(40)" << int(MDB_TEXT) << 80;
        QTest::newRow("Text (1) spaced") << "Text (1)" << int(MDB_TEXT) << 2;
        QTest::newRow("VARCHAR(255)") << "VARCHAR(255)" << int(MDB_TEXT) << 510;
        QTest::newRow("TEXT alone") << "TEXT" << int(MDB_TEXT) << 510;
        QTest::newRow("MEMO") << "MEMO" << int(MDB_MEMO) << 0;
        QTest::newRow("LONGTEXT") << "LONGTEXT" << int(MDB_MEMO) << 0;
    }

    void declaredTypes()
    {
        QFETCH(QString, declared);
        QFETCH(int, type);
        QFETCH(int, size);

        const QString script = QStringLiteral("CREATE TABLE t (v %1);").arg(declared);
        const QString path = writeScriptFile(m_dir, QStringLiteral("type%1.mdb").arg(++m_files), script.toStdString());
        QVERIFY(!path.isEmpty());
        const ReadTable table = MdbReadback(path).table(QStringLiteral("t"));
        QCOMPARE(table.columns.size(), 1);
        QCOMPARE(table.columns[0].type, type);
        QCOMPARE(table.columns[0].size, size);
    }

    void values_data()
    {
        QTest::addColumn<QString>("declared");
        QTest::addColumn<QString>("literal");
        QTest::addColumn<bool>("isNull");
        QTest::addColumn<QString>("text");

        QTest::newRow("long max") << "INTEGER" << "2147483647" << false << "2147483647";
        QTest::newRow("long min") << "INT" << "-2147483648" << false << "-2147483648";
        QTest::newRow("integer min") << "SMALLINT" << "-32768" << false << "-32768";
        QTest::newRow("integer max") << "SMALLINT" << "32767" << false << "32767";
        QTest::newRow("byte max") << "TINYINT" << "255" << false << "255";
        QTest::newRow("whole real in long") << "INTEGER" << "CAST(7 AS REAL)" << false << "7";
        QTest::newRow("double pi") << "DOUBLE" << "3.141592653589793" << false << "3.141592653589793";
        QTest::newRow("double max") << "FLOAT" << "1.7976931348623157e308" << false << "1.797693134862316e+308";
        QTest::newRow("double tiny") << "REAL" << "1e-300" << false << "1e-300";
        QTest::newRow("currency") << "CURRENCY" << "1.5" << false << "1.5000";
        QTest::newRow("currency smallest") << "MONEY" << "-0.0001" << false << "-0.0001";
        QTest::newRow("currency half up") << "CURRENCY" << "0.00005" << false << "0.0001";
        QTest::newRow("currency half down") << "CURRENCY" << "-0.00005" << false << "-0.0001";
        QTest::newRow("currency below half") << "CURRENCY" << "0.000049" << false << "0.0000";
        QTest::newRow("currency text") << "CURRENCY" << "'12.34'" << false << "12.3400";
        QTest::newRow("currency inexact sum") << "CURRENCY" << "0.1 + 0.2" << false << "0.3000";
        QTest::newRow("currency 15 digits") << "CURRENCY" << "99999999999.9999" << false << "99999999999.9999";
        QTest::newRow("currency big whole") << "CURRENCY" << "-922337203685477" << false << "-922337203685477.0000";
        QTest::newRow("date and time") << "DATETIME" << "'2024-01-15 13:45:30'" << false << "2024-01-15 13:45:30";
        QTest::newRow("leap day") << "DATE" << "'2000-02-29'" << false << "2000-02-29 00:00:00";
        QTest::newRow("T, no seconds") << "DATETIME" << "'2024-01-15T08:05'" << false << "2024-01-15 08:05:00";
        QTest::newRow("last second") << "DATETIME" << "'2099-12-31 23:59:59'" << false << "2099-12-31 23:59:59";
        QTest::newRow("1900") << "DATETIME" << "'1900-01-01'" << false << "1900-01-01 00:00:00";
        QTest::newRow("true") << "BOOLEAN" << "1" << false << "1";
        QTest::newRow("true as -1") << "YESNO" << "-1" << false << "1";
        QTest::newRow("false") << "BIT" << "0" << false << "0";
        QTest::newRow("null boolean is false") << "BOOLEAN" << "NULL" << false << "0";

        QTest::newRow("apostrophes") << "TEXT(50)" << "'l''agua d''or, O''Donnell'" << false << "l'agua d'or, O'Donnell";
        QTest::newRow("euro first") << "TEXT(50)" << "'€uro'" << false << "€uro";
        QTest::newRow("euro last") << "TEXT(50)" << "'precio 250.000 €'" << false << "precio 250.000 €";
        QTest::newRow("euro runs") << "TEXT(50)" << "'a€b€€c'" << false << "a€b€€c";
        QTest::newRow("accents") << "TEXT(50)" << "'Ñandú, acción, pingüino, l·l, ¿ç?'" << false
                                 << "Ñandú, acción, pingüino, l·l, ¿ç?";
        QTest::newRow("low byte zero") << "TEXT(10)" << "'xĀxĀ'" << false << "xĀxĀ";
        QTest::newRow("japanese") << "TEXT(10)" << "'日本語です'" << false << "日本語です";
        QTest::newRow("one char") << "TEXT(1)" << "'x'" << false << "x";
        QTest::newRow("controls") << "TEXT(20)" << "'a' || char(9) || 'b' || char(13, 10) || 'c\"'" << false
                                  << "a\tb\r\nc\"";
        QTest::newRow("spaces kept") << "TEXT(20)" << "'  dos  '" << false << "  dos  ";
        QTest::newRow("255 ñ") << "TEXT(255)" << repeated(255, "ñ") << false << QString(255, u'ñ');
        QTest::newRow("255 €") << "TEXT" << repeated(255, "€") << false << QString(255, u'€');
        QTest::newRow("leading BOM dropped") << "TEXT(10)" << "char(65279) || 'hola'" << false << "hola";
        QTest::newRow("number in text") << "TEXT(5)" << "42" << false << "42";
        QTest::newRow("empty text") << "TEXT(5)" << "''" << false << "";
        QTest::newRow("digits in text") << "TEXT(5)" << "'08001'" << false << "08001";

        QTest::newRow("memo") << "MEMO" << "'hola'" << false << "hola";
        QTest::newRow("memo empty") << "MEMO" << "''" << false << "";
        // MEMO gets numeric affinity in SQLite; LONGTEXT keeps digits as written.
        QTest::newRow("digits in longtext") << "LONGTEXT" << "'08001'" << false << "08001";
        QTest::newRow("memo 64 bytes inline") << "MEMO" << repeated(31, "ab") << false << QString("ab").repeated(31);
        QTest::newRow("memo 65 bytes") << "MEMO" << repeated(63, "a") << false << QString(63, u'a');
        QTest::newRow("memo 1024 compressed") << "LONGTEXT" << repeated(1024, "ñ") << false << QString(1024, u'ñ');
        QTest::newRow("memo 1025 plain") << "MEMO" << repeated(1025, "ñ") << false << QString(1025, u'ñ');
        QTest::newRow("memo one full page") << "MEMO" << repeated(2038, "€") << false << QString(2038, u'€');
        QTest::newRow("memo chain of 2") << "MEMO" << repeated(2039, "€") << false << QString(2039, u'€');
        QTest::newRow("memo 26700 mixed") << "MEMO" << repeated(6675, "añ€ ") << false
                                          << QString("añ€ ").repeated(6675);

        for (const char *type : {"INTEGER", "SMALLINT", "TINYINT", "REAL", "CURRENCY", "DATETIME", "TEXT(5)", "MEMO"})
            QTest::newRow(qPrintable(QStringLiteral("null %1").arg(type))) << type << "NULL" << true << "";
    }

    void values()
    {
        QFETCH(QString, declared);
        QFETCH(QString, literal);
        QFETCH(bool, isNull);
        QFETCH(QString, text);

        const ReadValue value = roundTrip(declared, literal);
        QCOMPARE(value.isNull, isNull);
        QCOMPARE(value.text, text);
    }

private:
    // The single value of a one-column table after the round trip.
    ReadValue roundTrip(const QString &declared, const QString &literal)
    {
        const QString script = QStringLiteral("CREATE TABLE t (v %1); INSERT INTO t VALUES (%2);")
                                   .arg(declared, literal);
        const QString path = writeScriptFile(m_dir, QStringLiteral("v%1.mdb").arg(++m_files), script.toStdString());
        const ReadTable table = MdbReadback(path).table(QStringLiteral("t"));
        if (table.rows.size() != 1 || table.rows[0].size() != 1)
            return {};
        return table.rows[0][0];
    }

    QTemporaryDir m_dir;
    int m_files = 0;
};

QTEST_GUILESS_MAIN(TestMdbwriteValues)
#include "tst_mdbwrite_values.moc"

// Whole tables written and read back by the engine as SQLite holds them:
// every table, its column names in their order, and every row in insertion
// order (integers, texts, Booleans and Nulls). The engine refuses a table
// whose rows are not as many as its definition declares.

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "recordsetrows.h"
#include "sqlitesource.h"
#include "testcatalogue.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// 121 columns with long names: a definition of three pages.
QByteArray wideTable()
{
    QStringList columns;
    QStringList values;
    for (int c = 0; c < 121; ++c) {
        columns << QStringLiteral("columna_de_nombre_bastante_largo_%1 %2").arg(c, 3, 10, QChar('0'))
                       .arg(c % 3 == 0 ? "TEXT(10)" : "INTEGER");
        values << (c % 3 == 0 ? QStringLiteral("'t%1'").arg(c) : QString::number(c));
    }
    const QString insert = QStringLiteral("INSERT INTO ancha VALUES (%1);").arg(values.join(", "));
    return QStringLiteral("CREATE TABLE ancha (%1);").arg(columns.join(", ")).toUtf8() + (insert + insert).toUtf8();
}

// Seven texts of 255 euro signs take 3570 bytes: ten short memos cannot all
// stay inside the row as well.
QByteArray longRow()
{
    QString columns = "id INTEGER";
    QString values = "1";
    for (int c = 0; c < 7; ++c) {
        columns += QStringLiteral(", t%1 TEXT(255)").arg(c);
        values += ", replace(hex(zeroblob(255)), '00', '€')";
    }
    for (int c = 0; c < 10; ++c) {
        columns += QStringLiteral(", m%1 MEMO").arg(c);
        values += QStringLiteral(", replace(hex(zeroblob(60)), '00', '%1')").arg(QChar('a' + c));
    }
    return QStringLiteral("CREATE TABLE larga (%1); INSERT INTO larga VALUES (%2);").arg(columns, values).toUtf8();
}

} // namespace

class TestMdbwriteTables : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("script");
        // Keys in scrambled order, rows of varied length, memos inline, apart
        // and in chains, and an index SQLite could otherwise read them through.
        QTest::newRow("rows in insertion order across pages") << QByteArray(R"(
            CREATE TABLE fotos (CodFoto INTEGER, Ruta TEXT(100), pie MEMO, orden SMALLINT);
            CREATE INDEX porclave ON fotos (CodFoto, Ruta, pie, orden);
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)
            INSERT INTO fotos SELECT (i * 7919) % 3001, 'fotos/' || substr('ñ€abcdefghij', 1, i % 12) || i || '.jpg',
                CASE i % 4 WHEN 0 THEN NULL WHEN 1 THEN '' WHEN 2 THEN 'pie ' || i
                ELSE replace(hex(zeroblob(i % 5000)), '00', 'x€') END, i % 9 FROM n;)");
        QTest::newRow("names and table order") << QByteArray(R"(
            CREATE TABLE zonas (Cod_Zona INTEGER, Zona TEXT(50));
            CREATE TABLE situación (baños TINYINT, descripción MEMO, "código postal" TEXT(5));
            CREATE TABLE ciudad (Cod_Ciu INTEGER, Ciudad TEXT(50));
            INSERT INTO situación VALUES (3, 'Ático', '08001');)");
        QTest::newRow("a definition of three pages") << wideTable();
        QTest::newRow("memos moved out of a long row") << longRow();
        QTest::newRow("no tables") << QByteArray();
        QTest::newRow("an empty table") << QByteArray("CREATE TABLE vacia (a INTEGER, b MEMO);");
        // 200,000 photo rows on thousands of pages, found through bitmap
        // pages, and offers whose memos of several kilobytes sit between them.
        QTest::newRow("the benchmark's size") << QByteArray(R"(
            CREATE TABLE ofertas (Cod_Ofer INTEGER, ref TEXT(20), descripcion MEMO);
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)
            INSERT INTO ofertas SELECT i, 'REF-' || i, CASE WHEN i % 50 = 0 THEN NULL
                ELSE 'Piso nº ' || i || ': ' || replace(hex(zeroblob(i % 4000)), '00', 'vista al mar, ') END FROM n;
            CREATE TABLE fotos (CodFoto INTEGER, KeyOfe INTEGER, orden SMALLINT, Ruta TEXT(100), nomostrar BOOLEAN);
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000)
            INSERT INTO fotos SELECT i, 1 + (i - 1) / 10, (i - 1) % 10,
                'fotos/' || (1 + (i - 1) / 10) || '/' || i || '.jpg', i % 7 = 0 FROM n;)");
    }

    void roundTrip()
    {
        QFETCH(QByteArray, script);
        const SqliteSource source(script.toStdString());
        QVERIFY2(source.error().isEmpty(), qPrintable(source.error()));
        const auto database = catalogue::Database::OpenDatabase(
            testsupport::writeCatalogue(m_dir, QString::fromUtf8(script)), QString());
        QCOMPARE(database->TableDefCount(), source.tableNames().size());
        for (const QString &name : source.tableNames()) {
            const auto table = database->OpenRecordset(QStringLiteral("select * from [%1]").arg(name));
            QStringList columns;
            for (int c = 0; c < table->FieldCount(); ++c)
                columns << table->FieldName(c);
            QCOMPARE(columns, source.columnNames(name));
            const QList<QVariantList> rows = source.rows(name);
            QCOMPARE(table->RecordCount(), rows.size());
            qsizetype r = 0;
            QString mismatch;
            testsupport::forEachRow(*table, [&] {
                for (int c = 0; c < columns.size() && mismatch.isEmpty(); ++c) {
                    const QVariant want = rows[r][c];
                    const QVariant got = table->Fields(c).Value;
                    const QString text = got.typeId() == QMetaType::Bool ? QString::number(got.toInt()) : got.toString();
                    if (got.isNull() != want.isNull() || text != want.toString())
                        mismatch = QStringLiteral("table %1 row %2 column %3: got \"%4\", want \"%5\"")
                                       .arg(name).arg(r + 1).arg(c).arg(got.isNull() ? "Null" : text, want.toString());
                }
                ++r;
            });
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestMdbwriteTables)
#include "tst_mdbwrite_tables.moc"

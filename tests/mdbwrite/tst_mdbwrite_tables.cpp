// Whole tables: order of rows across pages, names, wide definitions, long rows, and a
// catalogue of the benchmark's size.

#include "mdbreadback.h"
#include "scriptfile.h"
#include "sqlitesource.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Compares a table read back with its source rows (integers, texts and Nulls only).
void compareRows(const ReadTable &table, const QList<QVariantList> &expected)
{
    QCOMPARE(table.declaredRows, long(expected.size()));
    QCOMPARE(table.rows.size(), expected.size());
    for (qsizetype r = 0; r < expected.size(); ++r) {
        QCOMPARE(table.rows[r].size(), expected[r].size());
        for (qsizetype c = 0; c < expected[r].size(); ++c) {
            const QVariant &want = expected[r][c];
            const ReadValue &got = table.rows[r][c];
            if (got.isNull != want.isNull() || got.text != want.toString())
                QFAIL(qPrintable(QStringLiteral("table %1 row %2 column %3: got %4 \"%5\", want \"%6\"")
                                     .arg(table.name).arg(r + 1).arg(c)
                                     .arg(got.isNull ? "Null" : "value", got.text, want.toString())));
        }
    }
}

} // namespace

class TestMdbwriteTables : public QObject
{
    Q_OBJECT

private slots:
    void rowsKeepInsertionOrderAcrossPages()
    {
        // Keys in scrambled order, rows of varied length, memos inline, apart and in chains, and
        // an index SQLite could otherwise read the rows through.
        const std::string script = R"(
            CREATE TABLE fotos (CodFoto INTEGER, Ruta TEXT(100), pie MEMO, orden SMALLINT);
            CREATE INDEX porclave ON fotos (CodFoto, Ruta, pie, orden);
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)
            INSERT INTO fotos SELECT (i * 7919) % 3001, 'fotos/' || substr('ñ€abcdefghij', 1, i % 12) || i || '.jpg',
                CASE i % 4 WHEN 0 THEN NULL WHEN 1 THEN '' WHEN 2 THEN 'pie ' || i
                ELSE replace(hex(zeroblob(i % 5000)), '00', 'x€') END, i % 9 FROM n;
        )";
        const SqliteSource source(script);
        QVERIFY2(source.error().isEmpty(), qPrintable(source.error()));
        const QString path = writeScriptFile(m_dir, "orden.mdb", script);
        QVERIFY(!path.isEmpty());
        compareRows(MdbReadback(path).table("fotos"), source.rows("fotos"));
    }

    void namesAndTableOrder()
    {
        const std::string script = R"(
            CREATE TABLE zonas (Cod_Zona INTEGER, Zona TEXT(50));
            CREATE TABLE situación (baños TINYINT, descripción MEMO, "código postal" TEXT(5));
            CREATE TABLE ciudad (Cod_Ciu INTEGER, Ciudad TEXT(50));
            INSERT INTO situación VALUES (3, 'Ático', '08001');
        )";
        const QString path = writeScriptFile(m_dir, "nombres.mdb", script);
        QVERIFY(!path.isEmpty());
        const MdbReadback mdb(path);
        QCOMPARE(mdb.tableNames(), QStringList({"zonas", "situación", "ciudad"}));
        const ReadTable table = mdb.table("situación");
        QStringList names;
        for (const ReadColumn &column : table.columns)
            names.append(column.name);
        QCOMPARE(names, QStringList({"baños", "descripción", "código postal"}));
        QCOMPARE(table.rows.size(), 1);
        QCOMPARE(table.rows[0][1].text, "Ático");
    }

    void wideDefinitionSpansPages()
    {
        // 121 columns with long names need a definition of three pages.
        std::string columns;
        std::string values;
        for (int c = 0; c < 121; ++c) {
            columns += (c ? ", " : "") + QStringLiteral("columna_de_nombre_bastante_largo_%1 %2")
                                             .arg(c, 3, 10, QChar('0'))
                                             .arg(c % 3 == 0 ? "TEXT(10)" : "INTEGER").toStdString();
            values += (c ? ", " : "") + (c % 3 == 0 ? "'t" + std::to_string(c) + "'" : std::to_string(c));
        }
        const std::string script = "CREATE TABLE ancha (" + columns + "); INSERT INTO ancha VALUES (" + values
            + "); INSERT INTO ancha VALUES (" + values + ");";
        const SqliteSource source(script);
        const QString path = writeScriptFile(m_dir, "ancha.mdb", script);
        QVERIFY(!path.isEmpty());
        const ReadTable table = MdbReadback(path).table("ancha");
        QCOMPARE(table.columns.size(), 121);
        QCOMPARE(table.columns[120].name, "columna_de_nombre_bastante_largo_120");
        compareRows(table, source.rows("ancha"));
    }

    void longRowMovesMemosOutOfTheRow()
    {
        // Seven texts of 255 euro signs take 3570 bytes; the ten short memos cannot all stay
        // inside the row as well.
        std::string columns = "id INTEGER";
        std::string values = "1";
        for (int c = 0; c < 7; ++c) {
            columns += ", t" + std::to_string(c) + " TEXT(255)";
            values += ", replace(hex(zeroblob(255)), '00', '€')";
        }
        for (int c = 0; c < 10; ++c) {
            columns += ", m" + std::to_string(c) + " MEMO";
            values += ", replace(hex(zeroblob(60)), '00', '" + std::string(1, char('a' + c)) + "')";
        }
        const std::string script = "CREATE TABLE larga (" + columns + "); INSERT INTO larga VALUES (" + values + ");";
        const SqliteSource source(script);
        const QString path = writeScriptFile(m_dir, "larga.mdb", script);
        QVERIFY(!path.isEmpty());
        compareRows(MdbReadback(path).table("larga"), source.rows("larga"));
    }

    void emptyTableAndEmptyDatabase()
    {
        const QString empty = writeScriptFile(m_dir, "nada.mdb", "");
        QVERIFY(!empty.isEmpty());
        QVERIFY(MdbReadback(empty).isOpen());
        QCOMPARE(MdbReadback(empty).tableNames(), QStringList());

        const QString path = writeScriptFile(m_dir, "vacia.mdb", "CREATE TABLE vacia (a INTEGER, b MEMO);");
        const ReadTable table = MdbReadback(path).table("vacia");
        QCOMPARE(table.columns.size(), 2);
        QCOMPARE(table.declaredRows, 0);
        QCOMPARE(table.rows.size(), 0);
    }

    // 200,000 photo rows on thousands of pages, found through bitmap pages, and offers whose
    // memos of several kilobytes sit between them.
    void benchmarkSizedCatalogue()
    {
        const std::string script = R"(
            CREATE TABLE ofertas (Cod_Ofer INTEGER, ref TEXT(20), descripcion MEMO);
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)
            INSERT INTO ofertas SELECT i, 'REF-' || i, CASE WHEN i % 50 = 0 THEN NULL
                ELSE 'Piso nº ' || i || ': ' || replace(hex(zeroblob(i % 4000)), '00', 'vista al mar, ') END FROM n;
            CREATE TABLE fotos (CodFoto INTEGER, KeyOfe INTEGER, orden SMALLINT, Ruta TEXT(100), nomostrar BOOLEAN);
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000)
            INSERT INTO fotos SELECT i, 1 + (i - 1) / 10, (i - 1) % 10,
                'fotos/' || (1 + (i - 1) / 10) || '/' || i || '.jpg', i % 7 = 0 FROM n;
        )";
        const SqliteSource source(script);
        QVERIFY2(source.error().isEmpty(), qPrintable(source.error()));
        const QString path = writeScriptFile(m_dir, "grande.mdb", script);
        QVERIFY(!path.isEmpty());
        const MdbReadback mdb(path);
        compareRows(mdb.table("fotos"), source.rows("fotos"));
        compareRows(mdb.table("ofertas"), source.rows("ofertas"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestMdbwriteTables)
#include "tst_mdbwrite_tables.moc"

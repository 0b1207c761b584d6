// A catalogue of the benchmark's shape: 200,000 photo rows on thousands of pages, found
// through bitmap pages, and offers whose memos of several kilobytes sit between them.

#include "mdbreadback.h"
#include "scriptfile.h"
#include "sqlitesource.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const std::string Script = R"(
    CREATE TABLE ofertas (Cod_Ofer INTEGER, ref TEXT(20), descripcion MEMO, precioinmo CURRENCY);
    WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)
    INSERT INTO ofertas SELECT i, 'REF-' || i,
        CASE WHEN i % 50 = 0 THEN NULL ELSE 'Piso nº ' || i || ': ' || replace(hex(zeroblob(i % 4000)), '00', 'vista al mar, ') END,
        100000 + i FROM n;
    CREATE TABLE fotos (CodFoto INTEGER, KeyOfe INTEGER, orden SMALLINT, Ruta TEXT(100), nomostrar BOOLEAN);
    WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000)
    INSERT INTO fotos SELECT i, 1 + (i - 1) / 10, (i - 1) % 10, 'fotos/' || (1 + (i - 1) / 10) || '/' || i || '.jpg',
        i % 7 = 0 FROM n;
)";

} // namespace

class TestMdbwriteLarge : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    SqliteSource m_source{Script};

private slots:
    void initTestCase();
    void everyPhotoInInsertionOrder();
    void offersWithLongMemos();
};

void TestMdbwriteLarge::initTestCase()
{
    QVERIFY2(m_source.error().isEmpty(), qPrintable(m_source.error()));
    m_path = writeScriptFile(m_dir, "grande.mdb", Script);
    QVERIFY(!m_path.isEmpty());
}

void TestMdbwriteLarge::everyPhotoInInsertionOrder()
{
    const ReadTable table = MdbReadback(m_path).table("fotos");
    const QList<QVariantList> expected = m_source.rows("fotos");
    QCOMPARE(table.declaredRows, 200000);
    QCOMPARE(table.rows.size(), expected.size());
    for (qsizetype r = 0; r < expected.size(); ++r) {
        const QList<ReadValue> &row = table.rows[r];
        const QVariantList &want = expected[r];
        const bool same = row[0].text.toLongLong() == want[0].toLongLong()
            && row[1].text.toLongLong() == want[1].toLongLong() && row[2].text.toLongLong() == want[2].toLongLong()
            && row[3].text == want[3].toString() && row[4].text == want[4].toString();
        if (!same)
            QFAIL(qPrintable(QStringLiteral("photo row %1 differs: CodFoto %2").arg(r + 1).arg(row[0].text)));
    }
}

void TestMdbwriteLarge::offersWithLongMemos()
{
    const ReadTable table = MdbReadback(m_path).table("ofertas");
    const QList<QVariantList> expected = m_source.rows("ofertas");
    QCOMPARE(table.rows.size(), expected.size());
    for (qsizetype r = 0; r < expected.size(); ++r) {
        const ReadValue &memo = table.rows[r][2];
        if (memo.isNull != expected[r][2].isNull() || memo.text != expected[r][2].toString())
            QFAIL(qPrintable(QStringLiteral("memo of offer %1 differs (%2 characters read)")
                                 .arg(r + 1).arg(memo.text.size())));
    }
}

QTEST_GUILESS_MAIN(TestMdbwriteLarge)
#include "tst_mdbwrite_large.moc"

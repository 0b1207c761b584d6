// The independent reader mdb-reader (npm, pinned in package.json) reads what SQLite holds.
// Skipped where node or the package is not installed.

#include "sqlitesource.h"
#include "testcatalogue.h"
#include "testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const std::string Script = R"(
    CREATE TABLE ofertas (Cod_Ofer INTEGER, ref TEXT(20), precioinmo CURRENCY, piscina_prop BOOLEAN,
        alta DATETIME, baños TINYINT, planta SMALLINT, m_uties DOUBLE, descripción MEMO);
    INSERT INTO ofertas VALUES
        (2147483647, 'l''agua d''or', -922337203685477, 1, '1900-01-01', 255, -32768, 1.7976931348623157e308, ''),
        (-2147483648, '', 0.0001, 0, '2099-12-31 23:59:59', 0, 32767, 1e-300, NULL),
        (0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, replace(hex(zeroblob(6675)), '00', 'añ€ ')),
        (1, '€uro 😀', 99999999999.9999, -1, '2024-01-15 13:45:30', 3, 1, 3.141592653589793, 'Ático ĀĀ'),
        (2, 'Ñandú 日本', -0.0001, 1, '2000-02-29 12:00', 1, -1, 0.1, replace(hex(zeroblob(1025)), '00', 'ñ'));
    WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)
    INSERT INTO ofertas SELECT i, 'REF-' || i, i * 1.25, i % 3 = 0, '2024-05-' || printf('%02d', 1 + i % 28),
        i % 256, i % 100, i / 7.0, CASE WHEN i % 5 = 0 THEN NULL ELSE replace(hex(zeroblob(i)), '00', 'x') END FROM n;
    CREATE TABLE situación (código VARCHAR(10), "nota larga" LONGTEXT);
    INSERT INTO situación VALUES ('08001', 'dos'), (NULL, NULL);
    CREATE TABLE vacia (a INTEGER);
)";

const char *const Password = "pinoverdes_";

// The expected JSON value of a SQLite value in a column of this mdb-reader type.
QJsonValue expected(const QVariant &value, const QString &type)
{
    if (type == "boolean")
        return !value.isNull() && value.toLongLong() != 0;
    if (value.isNull())
        return QJsonValue::Null;
    if (type == "long" || type == "integer" || type == "byte")
        return value.toLongLong();
    if (type == "double")
        return value.toDouble();
    if (type == "currency")
        return value.typeId() == QMetaType::LongLong ? QString::number(value.toLongLong()) + ".0000"
                                                     : QString::number(value.toDouble(), 'f', 4);
    if (type == "datetime") {
        const QDateTime local = QDateTime::fromString(value.toString(), Qt::ISODate);
        return QDateTime(local.date(), local.time(), Qt::UTC).toString(Qt::ISODateWithMs);
    }
    return value.toString();
}

} // namespace

class TestMdbwriteMdbReader : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatWasWritten();
};

// Every value as SQLite holds it, the columns' types and sizes as declared,
// and the password.
void TestMdbwriteMdbReader::readsWhatWasWritten()
{
    const QString node = QStandardPaths::findExecutable("node");
    if (node.isEmpty())
        QSKIP("node is not installed");
    const QDir scripts(MDBWRITE_TEST_DIR);
    if (!scripts.exists("node_modules/mdb-reader/package.json"))
        QSKIP("mdb-reader is not installed (npm ci in tests/mdbwrite, done by build.sh test)");

    const QTemporaryDir dir;
    const QString path = testsupport::writeCatalogue(dir, QString::fromStdString(Script), Password);
    const testsupport::ProgramRun run = testsupport::runProgram(node, {scripts.filePath("readback.mjs"), path});
    QVERIFY2(run.status == 0, run.err.constData());
    const QJsonObject read = QJsonDocument::fromJson(run.out).object();

    QCOMPARE(read["password"].toString(), Password);
    const SqliteSource source(Script);
    const QJsonArray tables = read["tables"].toArray();
    QCOMPARE(tables.size(), 3);
    for (const QJsonValue &tableValue : tables) {
        const QJsonObject table = tableValue.toObject();
        const QString name = table["name"].toString();
        const QList<QVariantList> rows = source.rows(name);
        const QJsonArray columns = table["columns"].toArray();
        const QJsonArray readRows = table["rows"].toArray();
        QCOMPARE(table["rowCount"].toInt(), rows.size());
        QCOMPARE(readRows.size(), rows.size());
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QJsonArray row = readRows[r].toArray();
            for (qsizetype c = 0; c < columns.size(); ++c) {
                const QJsonValue want = expected(rows[r][c], columns[c]["type"].toString());
                if (row[c] != want)
                    QFAIL(qPrintable(QStringLiteral("%1 row %2 column %3: read %4, want %5").arg(name).arg(r + 1)
                                         .arg(columns[c]["name"].toString(), row[c].toVariant().toString(),
                                              want.toVariant().toString())));
            }
        }
    }
    QStringList types;
    for (const QJsonValue &column : tables[0]["columns"].toArray())
        types << QStringLiteral("%1 %2").arg(column["type"].toString()).arg(column["size"].toInt());
    QCOMPARE(types.join(", "), "long 4, text 40, currency 8, boolean 0, datetime 8, byte 1, integer 2, double 8, memo 0");
}

QTEST_GUILESS_MAIN(TestMdbwriteMdbReader)
#include "tst_mdbwrite_mdbreader.moc"

// What a Jet value becomes once loaded: Null apart from empty text, Boolean
// as truth values, whole numbers and Currency exact, dates, long memos,
// texts outside Latin-1, and the file's own row order.

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "spanishlocale.h"
#include "recordsetrows.h"
#include "testcatalogue.h"

using namespace catalogue;

namespace {

QString longMemo()
{
    QString text;
    for (int i = 0; text.size() < 20000; ++i)
        text += QStringLiteral("Línea %1 de la descripción, con eñes y acentos. ").arg(i);
    return text.left(20000);
}

} // namespace

class TestValues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        testsupport::pinSpanishLocale();
        QVERIFY(m_dir.isValid());
        const QString script = QStringLiteral(R"sql(
CREATE TABLE valores (id INTEGER, texto TEXT(50), nota LONGTEXT, entero SMALLINT, octeto TINYINT,
                      doble DOUBLE, moneda CURRENCY, fecha DATETIME, si BOOLEAN);
INSERT INTO valores VALUES (3, '', '', 0, 0, 0, 922337203685477, '1999-12-31 23:59:59', 0);
INSERT INTO valores VALUES (1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO valores VALUES (2, 'Ñandú € 日本 😀', '%1', -32768, 255, 0.1, 1234567.6, '2024-01-15 13:45:30', 1);
INSERT INTO valores VALUES (4, 'cuatro', 'x', 32767, 1, -2.5, 0.0001, '1900-01-01', 1);
)sql").arg(longMemo());
        m_db = Database::OpenDatabase(testsupport::writeCatalogue(m_dir, script), QString());
    }

    void values_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("empty text is not Null") << 3 << "texto" << QVariant(QString(""));
        QTest::newRow("Null text") << 1 << "texto" << QVariant();
        QTest::newRow("empty memo") << 3 << "nota" << QVariant(QString(""));
        QTest::newRow("Null memo") << 1 << "nota" << QVariant();
        QTest::newRow("long memo, whole") << 2 << "nota" << QVariant(longMemo());
        QTest::newRow("text beyond Latin-1") << 2 << "texto" << QVariant(QStringLiteral("Ñandú € 日本 😀"));
        QTest::newRow("Integer") << 2 << "entero" << QVariant(-32768);
        QTest::newRow("Byte") << 2 << "octeto" << QVariant(255);
        QTest::newRow("Null number") << 1 << "entero" << QVariant();
        QTest::newRow("Double") << 2 << "doble" << QVariant(0.1);
        QTest::newRow("Currency, cents") << 2 << "moneda" << QVariant(1234567.6);
        QTest::newRow("Currency, smallest unit") << 4 << "moneda" << QVariant(0.0001);
        QTest::newRow("Currency, huge whole") << 3 << "moneda" << QVariant(922337203685477.0);
        QTest::newRow("Boolean true") << 2 << "si" << QVariant(true);
        QTest::newRow("Boolean false") << 3 << "si" << QVariant(false);
        QTest::newRow("Date and time") << 2 << "fecha"
                                       << QVariant(QDateTime(QDate(2024, 1, 15), QTime(13, 45, 30), Qt::UTC));
        QTest::newRow("Date only") << 4 << "fecha" << QVariant(QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC));
    }
    void values()
    {
        QFETCH(int, id);
        QFETCH(QString, column);
        QFETCH(QVariant, expected);
        const auto rs = m_db->OpenRecordset(QStringLiteral("select %1 from valores where id=%2").arg(column).arg(id));
        const QVariant value = rs->Fields(0).Value;
        QCOMPARE(value.isNull(), expected.isNull());
        QCOMPARE(value.typeId(), expected.typeId());
        QCOMPARE(value, expected);
    }

    void comparisons_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("ids");
        QTest::newRow("all, in file order") << "1=1" << "3 1 2 4";
        QTest::newRow("= true") << "si=true" << "2 4";
        QTest::newRow("= false") << "si=false" << "3 1";
        QTest::newRow("Currency equals its decimal") << "moneda=1234567.6" << "2";
        QTest::newRow("whole Currency is exact") << "moneda=922337203685477" << "3";
        QTest::newRow("numbers compare as numbers") << "moneda>100" << "3 2";
        QTest::newRow("dates compare as dates") << "fecha<'2000-01-01'" << "3 4";
        QTest::newRow("Null matches nothing") << "entero=0 or entero<>0" << "3 2 4";
    }
    void comparisons()
    {
        QFETCH(QString, condition);
        QFETCH(QString, ids);
        const auto rs = m_db->OpenRecordset(QStringLiteral("select id from valores where ") + condition);
        QCOMPARE(testsupport::fieldTexts(*rs).join(u' '), ids);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"

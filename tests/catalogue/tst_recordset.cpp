// Record-set moves, their ends, Reposition, FindFirst and field access, on
// the rows of a statement, which are read as the moves reach them.

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "testcatalogue.h"

using namespace catalogue;

namespace {

QTemporaryDir scratch;

Database &numbersCatalogue()
{
    static const std::unique_ptr<Database> database = Database::OpenDatabase(
        testsupport::writeCatalogue(scratch, QStringLiteral(R"sql(
CREATE TABLE numeros (Valor INTEGER, Nota TEXT(20));
INSERT INTO numeros VALUES (10, 'fila 1'), (20, NULL), (30, 'fila 3'), (40, 'fila 4');
)sql")),
        QString());
    return *database;
}

// A set of `rows` rows, "Valor" = 10, 20, 30..., "Nota" as in Notes.
const QVariant Notes[] = {QStringLiteral("fila 1"), QVariant(), QStringLiteral("fila 3"), QStringLiteral("fila 4")};

std::unique_ptr<Recordset> numbers(int rows)
{
    return numbersCatalogue().OpenRecordset(QStringLiteral("select * from numeros where valor <= %1 order by valor").arg(rows * 10));
}

// Runs a script of moves: F first, L last, N next, P previous, M<n> Move(n),
// f<k> FindFirst("valor=k").
void run(Recordset &rs, const QString &script)
{
    const QStringList steps = script.split(u' ', Qt::SkipEmptyParts);
    for (const QString &step : steps) {
        const QString argument = step.mid(1);
        switch (step.at(0).unicode()) {
        case 'F': rs.MoveFirst(); break;
        case 'L': rs.MoveLast(); break;
        case 'N': rs.MoveNext(); break;
        case 'P': rs.MovePrevious(); break;
        case 'M': rs.Move(argument.toInt()); break;
        case 'f': rs.FindFirst(QStringLiteral("valor=") + argument); break;
        default: QFAIL("unknown step");
        }
    }
}

} // namespace

class TestRecordset : public QObject
{
    Q_OBJECT

private slots:
    void moves_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("eof");
        QTest::addColumn<bool>("bof");
        QTest::addColumn<int>("repositions");
        QTest::newRow("opened on the first row") << 3 << "" << 0 << false << false << 0;
        QTest::newRow("opened empty") << 0 << "" << -1 << true << true << 0;
        QTest::newRow("next, next") << 3 << "N N" << 2 << false << false << 2;
        QTest::newRow("next past the last") << 3 << "N N N" << -1 << true << false << 3;
        QTest::newRow("back from EOF") << 3 << "N N N P" << 2 << false << false << 4;
        QTest::newRow("previous past the first") << 3 << "P" << -1 << false << true << 1;
        QTest::newRow("forward from BOF") << 3 << "P N" << 0 << false << false << 2;
        QTest::newRow("last twice") << 3 << "L L" << 2 << false << false << 2;
        QTest::newRow("first on the first") << 3 << "F" << 0 << false << false << 1;
        QTest::newRow("move by two") << 3 << "M2" << 2 << false << false << 1;
        QTest::newRow("move by zero") << 3 << "N M0" << 1 << false << false << 2;
        QTest::newRow("move beyond the end") << 3 << "M7" << -1 << true << false << 1;
        QTest::newRow("move before the start") << 3 << "L M-9" << -1 << false << true << 2;
        QTest::newRow("find") << 3 << "f30" << 2 << false << false << 1;
        QTest::newRow("find the current row") << 3 << "f10" << 0 << false << false << 1;
        QTest::newRow("find nothing") << 3 << "N f40" << 1 << false << false << 1;
        QTest::newRow("find in an empty set") << 0 << "f10" << -1 << true << true << 0;
    }
    void moves()
    {
        QFETCH(int, rows);
        QFETCH(QString, script);
        QFETCH(int, position);
        QFETCH(bool, eof);
        QFETCH(bool, bof);
        QFETCH(int, repositions);
        const auto rs = numbers(rows);
        QSignalSpy spy(rs.get(), &Recordset::Reposition);
        run(*rs, script);
        QCOMPARE(rs->AbsolutePosition(), position);
        QCOMPARE(rs->Eof(), eof);
        QCOMPARE(rs->Bof(), bof);
        QCOMPARE(spy.count(), repositions);
        QCOMPARE(rs->RecordCount(), rows);
        if (position >= 0)
            QCOMPARE(rs->Fields(QStringLiteral("NOTA")).Value, Notes[position]);
        else
            QVERIFY_THROWS_EXCEPTION(CatalogueError, rs->Fields(0));
    }

    void refusedMoves_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("script");
        QTest::newRow("first of nothing") << 0 << "F";
        QTest::newRow("last of nothing") << 0 << "L";
        QTest::newRow("next of nothing") << 0 << "N";
        QTest::newRow("next at EOF") << 3 << "N N N N";
        QTest::newRow("previous at BOF") << 3 << "P P";
        QTest::newRow("move without a current row") << 3 << "N N N M-1";
    }
    void refusedMoves()
    {
        QFETCH(int, rows);
        QFETCH(QString, script);
        const auto rs = numbers(rows);
        QStringList steps = script.split(u' ');
        const QString last = steps.takeLast();
        run(*rs, steps.join(u' '));
        const int position = rs->AbsolutePosition();
        QSignalSpy spy(rs.get(), &Recordset::Reposition);
        QVERIFY_THROWS_EXCEPTION(CatalogueError, run(*rs, last));
        QCOMPARE(rs->AbsolutePosition(), position);
        QCOMPARE(spy.count(), 0);
    }

    void criteria_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("position"); // -2: refused
        QTest::newRow("plain") << "valor=20" << 1;
        QTest::newRow("other case, blanks") << "VALOR = 20" << 1;
        QTest::newRow("qualified") << "tabla.Valor=20" << 1;
        QTest::newRow("bracketed") << "[valor]=20" << 1;
        QTest::newRow("decimal") << "valor=20.0" << 1;
        QTest::newRow("text column") << "nota=3" << -1;
        QTest::newRow("unknown column") << "precio=20" << -2;
        QTest::newRow("another operator") << "valor>20" << -2;
        QTest::newRow("not a number") << "valor=veinte" << -2;
        QTest::newRow("two conditions") << "valor=20 and valor=30" << -2;
    }
    void criteria()
    {
        QFETCH(QString, criterion);
        QFETCH(int, position);
        const auto rs = numbers(3);
        rs->MoveLast();
        if (position == -2) {
            QVERIFY_THROWS_EXCEPTION(CatalogueError, rs->FindFirst(criterion));
            return;
        }
        rs->FindFirst(criterion);
        QCOMPARE(rs->NoMatch(), position < 0);
        QCOMPARE(rs->AbsolutePosition(), position < 0 ? 2 : position);
    }

    // A set whose rows are still being read outlives its database whole,
    // also when another set's statement fails as the database closes
    // (abs overflows at the last row).
    void setOutlivesItsDatabase()
    {
        auto database = Database::OpenDatabase(scratch.filePath(QStringLiteral("catalogo.mdb")), QString());
        const auto rs = database->OpenRecordset(QStringLiteral("select * from numeros"));
        const auto failing =
            database->OpenRecordset(QStringLiteral("select abs(-9223372036854775807 - (valor > 30)) from numeros"));
        database.reset();
        rs->MoveLast();
        QCOMPARE(rs->AbsolutePosition(), 3);
        QCOMPARE(rs->Fields(QStringLiteral("nota")).Value, QVariant(QStringLiteral("fila 4")));
    }

    // A clone walks the same rows with a cursor of its own.
    void cloneHasItsOwnCursor()
    {
        const auto rs = numbers(4);
        rs->MoveLast();
        const auto copy = rs->Clone();
        copy->MoveNext();
        QCOMPARE(copy->Fields(0).Value, QVariant(20));
        QCOMPARE(rs->AbsolutePosition(), 3);
    }

    void fields()
    {
        const auto rs = numbers(3);
        QCOMPARE(rs->FieldCount(), 2);
        QCOMPARE(rs->Fields(0).Name, QStringLiteral("Valor"));
        for (const int outside : {2, -1})
            QVERIFY_THROWS_EXCEPTION(CatalogueError, rs->Fields(outside));
        QVERIFY_THROWS_EXCEPTION(CatalogueError, rs->Fields(QStringLiteral("precio")));
        rs->MoveLast();
        rs->MoveNext();
        QCOMPARE(rs->FieldName(1), QStringLiteral("Nota")); // names need no current row
    }
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"

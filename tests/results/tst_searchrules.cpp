// The rules of a search that hold without a window: the filter clauses and
// the page arithmetic.
#include <limits>

#include <QTest>

#include "results/filterclauses.h"
#include "results/pagearithmetic.h"

using namespace results;

Q_DECLARE_METATYPE(FilterValues)

class TestSearchRules : public QObject
{
    Q_OBJECT

private slots:
    void clauses_data()
    {
        QTest::addColumn<FilterValues>("filtro");
        QTest::addColumn<bool>("incluirTodo");
        QTest::addColumn<QString>("clauses");
        const QString pool = QStringLiteral(" and (ofertas.piscina_prop=true or ofertas.piscina_com=true)");

        QTest::newRow("nothing chosen") << FilterValues{} << true << " ";
        QTest::newRow("type, city, lower bound and pool, in that order")
            << FilterValues{"Piso", "Málaga", "", "100000", "", true} << true
            << " and tipo.tipo_ofer='Piso'  and ciudad.ciudad='Málaga'  and ofertas.precioinmo>=100000" + pool + " ";
        QTest::newRow("lists only: zone, bounds and pool left out")
            << FilterValues{"Chalet", "Nerja", "Centro", "1", "2", true} << false
            << " and tipo.tipo_ofer='Chalet'  and ciudad.ciudad='Nerja'  ";
        QTest::newRow("apostrophes doubled")
            << FilterValues{"", "L'alfàs del pi", "Playa de l'albir", "", "", false} << true
            << " and ciudad.ciudad='L''alfàs del pi'  and zonas.zona='Playa de l''albir'  ";
        QTest::newRow("blanks-only type adds nothing") << FilterValues{"   ", "", "", "", "", false} << true << " ";
        QTest::newRow("bounds as typed, leading zeros kept")
            << FilterValues{"", "", "", "007", "0900", false} << true
            << " and ofertas.precioinmo>=007 and ofertas.precioinmo<=0900 ";
    }

    void clauses()
    {
        QFETCH(FilterValues, filtro);
        QFETCH(bool, incluirTodo);
        QFETCH(QString, clauses);
        QCOMPARE(filterClauses(filtro, incluirTodo), clauses);
    }

    // Pages for a number of offers, which is also the 1-based page of the
    // offer at that position.
    void pages_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("12: one full page") << 12 << 1;
        QTest::newRow("13") << 13 << 2;
        QTest::newRow("18: 1.5 rounds up to enough") << 18 << 2;
        QTest::newRow("25th offer is on page 3") << 25 << 3;
        QTest::newRow("30: 2.5 rounds to 2, one more") << 30 << 3;
        QTest::newRow("largest count") << std::numeric_limits<int>::max() << 178956971;
    }

    void pages()
    {
        QFETCH(int, n);
        QFETCH(int, pages);
        QCOMPARE(pageCount(n), pages);
    }
};

QTEST_GUILESS_MAIN(TestSearchRules)
#include "tst_searchrules.moc"

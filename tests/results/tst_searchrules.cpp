// The page arithmetic of a search, which holds without a window. (What the
// filters send is tested by what it finds, in tst_searchfilters.)
#include <limits>

#include <QTest>

#include "results/pagearithmetic.h"

using namespace results;

class TestSearchRules : public QObject
{
    Q_OBJECT

private slots:
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

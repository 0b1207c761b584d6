// The record navigator: binding, its buttons stopping at the ends, and
// Reposition relayed for moves made by code.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "catalogue/recordset.h"
#include "widgets/recordnavigator.h"

using namespace catalogue;
using modcol::RecordNavigator;

namespace {

std::unique_ptr<Recordset> rows(int count)
{
    std::vector<QVariant> values;
    for (int i = 0; i < count; ++i)
        values.emplace_back(i);
    return std::make_unique<Recordset>(QStringList{QStringLiteral("n")}, std::move(values));
}

void click(RecordNavigator &navigator, const char *button)
{
    auto *widget = navigator.findChild<QToolButton *>(QLatin1String(button));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace

class TestNavigator : public QObject
{
    Q_OBJECT

private slots:
    // Bound, the set starts at its first row whatever row it was on and
    // raises Reposition once; the buttons stop at either end.
    void buttons_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("repositions"); // binding included
        QTest::addColumn<QString>("shown");   // the caption, lines joined
        QTest::newRow("bound") << 3 << QStringList() << 0 << 1 << "Fotos 1 de 3";
        QTest::newRow("bound empty") << 0 << QStringList() << -1 << 1 << "Fotos";
        QTest::newRow("next twice") << 3 << QStringList{"next", "next"} << 2 << 3 << "Fotos 3 de 3";
        QTest::newRow("next stops at the last") << 3 << QStringList{"last", "next"} << 2 << 2 << "Fotos 3 de 3";
        QTest::newRow("previous stops at the first") << 3 << QStringList{"previous"} << 0 << 1 << "Fotos 1 de 3";
        QTest::newRow("last then first") << 3 << QStringList{"last", "first"} << 0 << 3 << "Fotos 1 de 3";
        QTest::newRow("nothing to move") << 0 << QStringList{"first", "next", "previous", "last"} << -1 << 1 << "Fotos";
    }
    void buttons()
    {
        QFETCH(int, count);
        QFETCH(QStringList, clicks);
        QFETCH(int, position);
        QFETCH(int, repositions);
        QFETCH(QString, shown);
        RecordNavigator navigator;
        navigator.setCaption("Fotos");
        QSignalSpy spy(&navigator, &RecordNavigator::Reposition);
        auto set = rows(count);
        if (count > 0)
            set->MoveLast();
        navigator.setRecordset(std::move(set));
        navigator.show();
        for (const QString &button : clicks)
            click(navigator, qPrintable(button));
        QCOMPARE(navigator.recordset()->AbsolutePosition(), position);
        QCOMPARE(spy.count(), repositions);
        QCOMPARE(navigator.findChild<QLabel *>()->text().simplified(), shown);
    }

    void movesByCodeAreRelayed()
    {
        RecordNavigator navigator;
        navigator.setRecordset(rows(3));
        QSignalSpy spy(&navigator, &RecordNavigator::Reposition);
        navigator.recordset()->MoveNext();
        navigator.recordset()->FindFirst(QStringLiteral("n=2"));
        navigator.recordset()->FindFirst(QStringLiteral("n=7"));
        QCOMPARE(spy.count(), 2);
        // Off the end by code: the buttons bring it back.
        navigator.recordset()->MoveNext();
        QVERIFY(navigator.recordset()->Eof());
        click(navigator, "previous");
        QCOMPARE(navigator.recordset()->AbsolutePosition(), 2);
    }
};

QTEST_MAIN(TestNavigator)
#include "tst_navigator.moc"

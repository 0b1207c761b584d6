#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "startup/folderindex.h"

using namespace modcol;

class TestFolderIndex : public QObject
{
    Q_OBJECT

private slots:
    // Quitting stops the background listings and nothing waits for them;
    // what a stopped listing found is never taken for the whole folder.
    void quittingStopsBackgroundListings()
    {
        QTemporaryDir started;
        QTemporaryDir later;
        for (int i = 0; i < 2000; ++i) {
            QFile file(later.filePath(QString("%1cd.jpg").arg(i)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        FolderIndex::prepare({started.path()}); // as the program does at start
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();

        QLoggingCategory::setFilterRules("colaborador.startup.debug=true");
        FolderIndex::prepare({later.path()});
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("background listing of .* was stopped"));
        QCOMPARE(FolderIndex::startingWith(later.path(), "").size(), 2000);
        QCOMPARE(FolderIndex::findName(later.path(), "1999CD.JPG"), QString("1999cd.jpg"));
    }
};

QTEST_GUILESS_MAIN(TestFolderIndex)
#include "tst_folderindex.moc"

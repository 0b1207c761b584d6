// The damaged catalogues of damaged/, one per class of damage: each is
// refused with the damaged-file message, whatever statement reaches the
// damage first; none is read with rows missing or invented.

#include <QDir>
#include <QTest>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "everystatement.h"

class TestDamaged : public QObject
{
    Q_OBJECT

private slots:
    void refused_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(DAMAGED_FOLDER));
        const QStringList files = folder.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 5);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }
    void refused()
    {
        QFETCH(QString, path);
        try {
            const auto database = catalogue::Database::OpenDatabase(path, QStringLiteral(";PWD=pinoverdes_"));
            testsupport::sendEveryStatement(*database);
            QFAIL("a damaged catalogue was read");
        } catch (const catalogue::CatalogueError &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("La base de datos «%1» está dañada (")
                                                     .arg(QDir::toNativeSeparators(path))),
                     qPrintable(error.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestDamaged)
#include "tst_damaged.moc"

// Which picture a result cell shows.
#include <QDir>
#include <QTest>

#include "partnerfolder.h"
#include "results/thumbnail.h"
#include "startup/modcol.h"

using testsupport::writePicture;

using namespace results;

class TestThumbnail : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<testsupport::PartnerFolder>(QList<testsupport::Offer>()); }

    // Files as "app/..." or "bd/..." below the two base folders, folders
    // ending with "/"; the offer is 12, its first photo "fotos\00012_01.jpg".
    void choice_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        const QStringList everything{"bd/colimg/12cd.jpg", "app/fotos/12cd_b.jpg", "app/fotos/00012_01.jpg",
                                     "bd/fotos/00012_01.jpg"};
        QTest::newRow("second base's colimg first") << everything << "bd/colimg/12cd.jpg";
        QTest::newRow("then the program's fotos") << everything.mid(1) << "app/fotos/12cd_b.jpg";
        QTest::newRow("then the photo in the program's folder") << everything.mid(2) << "app/fotos/00012_01.jpg";
        QTest::newRow("then the photo in the second base") << everything.mid(3) << "bd/fotos/00012_01.jpg";
        QTest::newRow("nothing") << QStringList() << "";
        QTest::newRow("12 never takes 123's thumbnail")
            << QStringList{"bd/colimg/123cd.jpg", "app/fotos/123cd.jpg", "app/fotos/00012_01.jpg"}
            << "app/fotos/00012_01.jpg";
        QTest::newRow("names in other case") << QStringList{"bd/COLIMG/12CD.JPG"} << "bd/COLIMG/12CD.JPG";
        QTest::newRow("a name without a dot") << QStringList{"app/fotos/12cd"} << "app/fotos/12cd";
        QTest::newRow("first by name") << QStringList{"app/fotos/12cd_b.jpg", "app/fotos/12CD_a.jpg"}
                                       << "app/fotos/12CD_a.jpg";
        QTest::newRow("a folder first by name is passed over")
            << QStringList{"bd/colimg/12cd/", "bd/colimg/12cd_b.jpg"} << "bd/colimg/12cd_b.jpg";
        QTest::newRow("a folder alone is no thumbnail")
            << QStringList{"bd/colimg/12cd.jpg/", "app/fotos/00012_01.jpg"} << "app/fotos/00012_01.jpg";
    }

    void choice()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        for (const QString &file : files) {
            if (file.endsWith('/'))
                QVERIFY(QDir().mkpath(onDisk(file)));
            else
                writePicture(onDisk(file), QSize(8, 8));
        }
        QCOMPARE(thumbnailFile(modcol::baseFolders(), "12", "fotos\\00012_01.jpg"), chosen.isEmpty() ? QString() : onDisk(chosen));
    }

private:
    QString onDisk(const QString &file) const
    {
        const QString base = file.startsWith("app/") ? m_folder->appFolder() : m_folder->bdFolder();
        return base + file.mid(file.indexOf('/'));
    }

    std::unique_ptr<testsupport::PartnerFolder> m_folder;
};

QTEST_MAIN(TestThumbnail)
#include "tst_thumbnail.moc"

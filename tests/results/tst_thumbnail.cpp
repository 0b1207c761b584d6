// Which picture a result cell shows, and how it is decoded.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>

#include "demofolder/exiforientation.h"
#include "results/thumbnail.h"
#include "resultsfixture.h"
#include "startup/modcol.h"

using resultstest::writePicture;

using namespace results;

class TestThumbnail : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_app = std::make_unique<QTemporaryDir>();
        m_bd = std::make_unique<QTemporaryDir>();
        modcol::RutaApp = m_app->path() + '/';
        modcol::RutaBd = m_bd->path() + '/';
    }

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

    // A photo stored lying on its side, red on the left and blue on the
    // right, with the Exif orientation "turn a quarter clockwise": shown
    // upright, red is on top.
    void followsExifOrientation()
    {
        QImage stored(400, 200, QImage::Format_RGB32);
        stored.fill(Qt::blue);
        QPainter(&stored).fillRect(0, 0, 200, 200, Qt::red);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(stored.save(&buffer, "JPG"));
        QFile file(onDisk("app/girada.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(demofolder::withExifOrientation(jpeg, 6));
        file.close();

        const QImage image = results::decodeToBox(file.fileName(), QSize(60, 100));
        QCOMPARE(image.size(), QSize(60, 100));
        QVERIFY(isMostly(image.pixelColor(10, 10), Qt::red));
        QVERIFY(isMostly(image.pixelColor(10, 90), Qt::blue));
    }

    void unreadableGivesNoPicture()
    {
        QFile file(onDisk("app/rota.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xFF\xD8\xFF\xE0 esto no es una foto");
        file.close();
        QVERIFY(results::decodeToBox(file.fileName(), QSize(165, 134)).isNull());
        QVERIFY(results::decodeToBox(onDisk("app/no-existe.jpg"), QSize(165, 134)).isNull());
    }

private:
    QString onDisk(const QString &file) const
    {
        const QString base = file.startsWith("app/") ? m_app->path() : m_bd->path();
        return base + file.mid(file.indexOf('/'));
    }

    static bool isMostly(const QColor &colour, Qt::GlobalColor expected)
    {
        const QColor want(expected);
        return qAbs(colour.red() - want.red()) < 60 && qAbs(colour.blue() - want.blue()) < 60
            && qAbs(colour.green() - want.green()) < 60;
    }

    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QTemporaryDir> m_bd;
};

QTEST_MAIN(TestThumbnail)
#include "tst_thumbnail.moc"

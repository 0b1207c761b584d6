// The picture loader: what it reports, when, and what it never reports;
// the run's cache of decoded pictures behind it.
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "startup/pictureloader.h"

using modcol::Picture;
using modcol::PictureFit;
using modcol::PictureLoader;

namespace {

const QSize Box(165, 134);

} // namespace

class TestPictureLoader : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // After cancelAll nothing asked before is reported: neither decodes
    // under way, nor those still waiting (never started), nor a picture
    // the cache answered.
    void cancelledRequestsNeverReport()
    {
        const QString cached = picture("guardada.jpg", QSize(400, 300));
        // Large enough that none is done before the cancel: tens of milliseconds each.
        QStringList slow{picture("lenta.png", QSize(3000, 2250))};
        for (int i = 1; i < 4; ++i) {
            slow << m_dir->filePath(QString("lenta%1.png").arg(i));
            QVERIFY(QFile::copy(slow.first(), slow.last()));
        }
        const QString fresh = picture("nueva.jpg", QSize(400, 300));
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.request(cached, Box, PictureFit::Stretch);
        QVERIFY(loaded.wait());

        loader.request(cached, Box, PictureFit::Stretch);
        for (const QString &path : slow)
            loader.request(path, Box, PictureFit::Stretch);
        loader.cancelAll();
        const int ticket = loader.request(fresh, Box, PictureFit::Stretch);
        QTRY_COMPARE(loader.outstanding(), 0);
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(loaded.last().at(0).toInt(), ticket);
        QVERIFY(!loaded.last().at(1).value<Picture>().image.isNull());
        // The first, at most the two the threads had taken, and the last.
        QVERIFY(loader.decodesStarted() <= 1 + 2 + 1);
    }

    // A picture decoded lately for the same file, box and fit is answered
    // from the cache, for any loader, without a decode, and never from
    // within request(): a caller sees one order whatever the answer.
    void cacheAnswersWithoutDecoding_data()
    {
        QTest::addColumn<QString>("asked"); // the file asked for the second time
        QTest::addColumn<QSize>("box");
        QTest::addColumn<PictureFit>("fit");
        QTest::addColumn<bool>("replaced"); // the file rewritten in between
        QTest::addColumn<int>("decodes");
        QTest::newRow("same file, box and fit") << "foto.jpg" << Box << PictureFit::Stretch << false << 0;
        QTest::newRow("another box") << "foto.jpg" << QSize(100, 80) << PictureFit::Stretch << false << 1;
        QTest::newRow("another fit") << "foto.jpg" << Box << PictureFit::KeepAspect << false << 1;
        QTest::newRow("the file replaced") << "foto.jpg" << Box << PictureFit::Stretch << true << 1;
        QTest::newRow("a missing file") << "falta.jpg" << Box << PictureFit::Stretch << false << 0;
    }

    void cacheAnswersWithoutDecoding()
    {
        QFETCH(QString, asked);
        QFETCH(QSize, box);
        QFETCH(PictureFit, fit);
        QFETCH(bool, replaced);
        QFETCH(int, decodes);
        const QString path = picture("foto.jpg", QSize(800, 600));
        {
            PictureLoader first;
            QSignalSpy loaded(&first, &PictureLoader::loaded);
            first.request(path, Box, PictureFit::Stretch);
            QVERIFY(loaded.wait());
        }
        if (replaced)
            picture("foto.jpg", QSize(640, 480));

        PictureLoader second;
        QSignalSpy loaded(&second, &PictureLoader::loaded);
        const int ticket = second.request(m_dir->filePath(asked), box, fit);
        QCOMPARE(loaded.size(), 0);
        QVERIFY(loaded.wait());
        QCOMPARE(loaded.first().at(0).toInt(), ticket);
        QCOMPARE(second.decodesStarted(), decodes);
        const Picture answer = loaded.first().at(1).value<Picture>();
        QCOMPARE(answer.image.isNull(), asked == "falta.jpg");
        if (!answer.image.isNull())
            QCOMPARE(answer.size, replaced ? QSize(640, 480) : QSize(800, 600));
    }

    // A window closed while its pictures decode takes nothing down, and the
    // next loader is served.
    void destroyedWhileDecoding()
    {
        auto *loader = new PictureLoader;
        for (int i = 0; i < 4; ++i)
            loader->request(picture(QString("%1.png").arg(i), QSize(2000, 1500)), Box, PictureFit::Stretch);
        delete loader;

        PictureLoader next;
        QSignalSpy loaded(&next, &PictureLoader::loaded);
        next.request(picture("otra.jpg", QSize(400, 300)), Box, PictureFit::Stretch);
        QVERIFY(loaded.wait());
        QVERIFY(!loaded.first().at(1).value<Picture>().image.isNull());
    }

private:
    // A picture of `size` at `name` in the test's folder, in the format its suffix names.
    QString picture(const QString &name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = m_dir->filePath(name);
        if (!image.save(path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"

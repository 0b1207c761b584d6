// The picture loader: what it reports, when, and what it never reports;
// the run's cache of decoded pictures behind it.
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "hostilepictures.h"
#include "testfiles.h"
#include "pictures/pictureloader.h"

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
        QStringList slow;
        for (int i = 0; i < 4; ++i)
            slow << picture(QString("lenta%1.png").arg(i), QSize(3000, 2250));
        const QString fresh = picture("nueva.jpg", QSize(400, 300));
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.request(0, cached, Box, PictureFit::Stretch);
        QVERIFY(loaded.wait());

        loader.request(1, cached, Box, PictureFit::Stretch);
        for (int i = 0; i < slow.size(); ++i)
            loader.request(2 + i, slow[i], Box, PictureFit::Stretch);
        loader.cancelAll();
        loader.request(9, fresh, Box, PictureFit::Stretch);
        QTRY_COMPARE(loader.outstanding(), 0);
        QCOMPARE(loaded.size(), 2);
        QCOMPARE(loaded.last().at(0).toInt(), 9);
        QVERIFY(!loaded.last().at(1).value<Picture>().image.isNull());
        // The first, at most the two the threads had taken, and the last.
        QVERIFY(loader.decodesStarted() <= 1 + 2 + 1);
    }

    // A target hears of its latest request only, and once: a cell the user
    // left for another offer never shows the first offer's picture.
    void targetHearsOfItsLatestRequest()
    {
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        loader.request(3, picture("primera.png", QSize(2000, 1500)), Box, PictureFit::Stretch);
        loader.request(3, picture("segunda.jpg", QSize(400, 300)), Box, PictureFit::Stretch);
        QTRY_COMPARE(loader.outstanding(), 0);
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.first().at(0).toInt(), 3);
        QCOMPARE(loaded.first().at(1).value<Picture>().size, QSize(400, 300));
    }

    // A picture decoded lately, or being decoded, for the same file, box and
    // fit is answered from the cache, for any loader, without a decode, and
    // never from within request(): a caller sees one order whatever the
    // answer.
    void cacheAnswersWithoutDecoding_data()
    {
        QTest::addColumn<QString>("asked"); // the file asked for the second time
        QTest::addColumn<QSize>("box");
        QTest::addColumn<PictureFit>("fit");
        QTest::addColumn<bool>("replaced"); // the file rewritten in between
        QTest::addColumn<bool>("decoding"); // asked again while the first decode runs
        QTest::addColumn<int>("decodes"); // by both loaders
        QTest::newRow("same file, box and fit") << "foto.png" << Box << PictureFit::Stretch << false << false << 1;
        QTest::newRow("same file, box and fit, while decoding (issue 17)")
            << "foto.png" << Box << PictureFit::Stretch << false << true << 1;
        QTest::newRow("another box") << "foto.png" << QSize(100, 80) << PictureFit::Stretch << false << false << 2;
        QTest::newRow("another fit") << "foto.png" << Box << PictureFit::KeepAspect << false << false << 2;
        QTest::newRow("the file replaced") << "foto.png" << Box << PictureFit::Stretch << true << false << 2;
        QTest::newRow("a missing file") << "falta.png" << Box << PictureFit::Stretch << false << false << 1;
    }

    void cacheAnswersWithoutDecoding()
    {
        QFETCH(QString, asked);
        QFETCH(QSize, box);
        QFETCH(PictureFit, fit);
        QFETCH(bool, replaced);
        QFETCH(bool, decoding);
        QFETCH(int, decodes);
        // Tens of milliseconds to decode.
        const QString path = picture("foto.png", QSize(2000, 1500));
        PictureLoader first;
        QSignalSpy firstLoaded(&first, &PictureLoader::loaded);
        first.request(0, path, Box, PictureFit::Stretch);
        if (!decoding)
            QVERIFY(firstLoaded.wait());
        if (replaced)
            picture("foto.png", QSize(640, 480));

        PictureLoader second;
        QSignalSpy loaded(&second, &PictureLoader::loaded);
        second.request(0, m_dir->filePath(asked), box, fit);
        QCOMPARE(loaded.size(), 0);
        QVERIFY(loaded.wait());
        const Picture answer = loaded.first().at(1).value<Picture>();
        QCOMPARE(answer.image.isNull(), asked == "falta.png");
        if (!answer.image.isNull())
            QCOMPARE(answer.size, replaced ? QSize(640, 480) : QSize(2000, 1500));
        QTRY_COMPARE(first.outstanding(), 0);
        QCOMPARE(first.decodesStarted() + second.decodesStarted(), decodes);
    }

    // A picture that will take long goes behind those asked after it: the
    // two threads decode two of them before it. (Declaring 5000 x 5000
    // pixels, it would take half a second; with one row of data it fails at
    // once.)
    void slowPictureGivesWay()
    {
        const QString slow = testsupport::writeFile(m_dir->filePath("lenta.png"), testsupport::pngDeclaring(QSize(5000, 5000)));
        QStringList ordinary;
        for (int i = 0; i < 3; ++i)
            ordinary << picture(QString("%1.jpg").arg(i), QSize(400, 300));
        // Both threads busy for tens of milliseconds: all four are asked
        // for before either thread takes one.
        PictureLoader other;
        other.request(0, picture("a.png", QSize(3000, 2250)), Box, PictureFit::Stretch);
        other.request(1, picture("b.png", QSize(3000, 2250)), Box, PictureFit::Stretch);
        PictureLoader loader;
        QSignalSpy loaded(&loader, &PictureLoader::loaded);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot decode"));
        loader.request(0, slow, Box, PictureFit::Stretch);
        for (int i = 0; i < ordinary.size(); ++i)
            loader.request(1 + i, ordinary[i], Box, PictureFit::Stretch);
        QTRY_COMPARE(loaded.size(), 4);
        QStringList order;
        for (const QList<QVariant> &arguments : std::as_const(loaded))
            order << arguments.at(0).toString();
        QVERIFY2(order.indexOf("0") >= 2, qPrintable(order.join(' ')));
        QTRY_COMPARE(other.outstanding(), 0);
    }

    // A window closed while its pictures decode takes nothing down, and the
    // next loader is served.
    void destroyedWhileDecoding()
    {
        auto *loader = new PictureLoader;
        for (int i = 0; i < 4; ++i)
            loader->request(i, picture(QString("%1.png").arg(i), QSize(2000, 1500)), Box, PictureFit::Stretch);
        delete loader;

        PictureLoader next;
        QSignalSpy loaded(&next, &PictureLoader::loaded);
        next.request(0, picture("otra.jpg", QSize(400, 300)), Box, PictureFit::Stretch);
        QVERIFY(loaded.wait());
        QVERIFY(!loaded.first().at(1).value<Picture>().image.isNull());
    }

private:
    // A picture of `size` at `name` in the test's folder, in the format its
    // suffix names; each kind encoded once for the run.
    QString picture(const QString &name, QSize size)
    {
        const QString suffix = QFileInfo(name).suffix();
        QByteArray &bytes = m_encoded[QString("%1 %2x%3").arg(suffix).arg(size.width()).arg(size.height())];
        if (bytes.isEmpty()) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, qPrintable(suffix));
        }
        return testsupport::writeFile(m_dir->filePath(name), bytes);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QHash<QString, QByteArray> m_encoded;
};

QTEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"

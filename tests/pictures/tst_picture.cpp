// Decoding a picture for its box: upright, at the box's size, and no
// picture at all from a file that is damaged or would take too much memory
// or time to decode, judged from its header alone. The picture loader: what
// it reports, when, and what it never reports; the run's cache of decoded
// pictures behind it.
#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "demofolder/exiforientation.h"
#include "hostilepictures.h"
#include "pictures/pictureloader.h"
#include "testfiles.h"

using modcol::Picture;
using modcol::PictureFit;
using modcol::PictureLoader;
using modcol::PictureVerdict;

namespace {

const QSize Box(165, 134);

QByteArray encoded(const QImage &image, const char *format)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QImageWriter(&file, format).write(image);
    return file.data();
}

// A photo stored lying on its side: red on the left, blue on the right.
QImage lyingPhoto()
{
    QImage stored(400, 200, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    QPainter(&stored).fillRect(0, 0, 200, 200, Qt::red);
    return stored;
}

// The same photo standing: red on top.
QImage standingPhoto()
{
    return lyingPhoto().transformed(QTransform().rotate(90));
}

bool isMostly(const QColor &colour, Qt::GlobalColor expected)
{
    const QColor want(expected);
    return qAbs(colour.red() - want.red()) < 60 && qAbs(colour.blue() - want.blue()) < 60
        && qAbs(colour.green() - want.green()) < 60;
}

// 4 x 4 pixels, palette red and blue: its two bottom rows blue, then the
// end of the picture (and `ends` after that).
QByteArray rleBlueBelow(const QByteArray &ends)
{
    return testsupport::rleBmp(QSize(4, 4), {qRgb(255, 0, 0), qRgb(0, 0, 255)}, QByteArray("\x04\x01\x00\x00\x04\x01\x00\x00", 8) + ends);
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { modcol::limitPictureAllocations(); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // Every picture shows red above blue, the right way up, in its own
    // upright size.
    void shown_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<PictureFit>("fit");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("decoded");
        const QByteArray turned = demofolder::withExifOrientation(encoded(lyingPhoto(), "JPG"), 6);
        const QSize standing(200, 400);
        QTest::newRow("turned by its Exif orientation, stretched to the box")
            << turned << QSize(60, 100) << PictureFit::Stretch << standing << QSize(60, 100);
        QTest::newRow("turned, its proportions within the box") << turned << QSize(100, 100) << PictureFit::KeepAspect << standing << QSize(50, 100);
        QTest::newRow("turned, never above its own size") << turned << QSize(1000, 1000) << PictureFit::KeepAspect << standing << standing;
        QTest::newRow("turned, narrower than the box but taller")
            << turned << QSize(1000, 100) << PictureFit::KeepAspect << standing << QSize(50, 100);
        QTest::newRow("JPEG without its end marker (issue 20)")
            << encoded(standingPhoto(), "JPG").chopped(2) << QSize(100, 100) << PictureFit::KeepAspect << standing << QSize(50, 100);
        QTest::newRow("top-down BMP (issue 17)")
            << testsupport::bmpOf(standingPhoto(), true) << QSize(100, 100) << PictureFit::KeepAspect << standing << QSize(50, 100);
        QTest::newRow("RLE BMP that skips pixels: they are its colour 0 (issue 17)")
            << rleBlueBelow(QByteArray("\x00\x01", 2)) << QSize(100, 100) << PictureFit::KeepAspect << QSize(4, 4) << QSize(4, 4);
    }

    void shown()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, box);
        QFETCH(PictureFit, fit);
        QFETCH(QSize, size);
        QFETCH(QSize, decoded);
        const Picture picture = modcol::decodePicture(write("foto.jpg", bytes), box, fit);
        QCOMPARE(picture.size, size);
        QCOMPARE(picture.image.size(), decoded);
        QVERIFY(isMostly(picture.image.pixelColor(decoded.width() / 2, decoded.height() / 8), Qt::red));
        QVERIFY(isMostly(picture.image.pixelColor(decoded.width() / 2, decoded.height() * 7 / 8), Qt::blue));
    }

    // Every file is named .jpg: what it is comes from its content.
    void noPicture_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("warning");  // the warning logged, empty for none
        const QByteArray jpeg = encoded(lyingPhoto(), "JPG");
        const QByteArray png = encoded(lyingPhoto(), "PNG");
        QTest::newRow("missing file") << QByteArray() << QString();
        QTest::newRow("not a picture") << QByteArray("\xFF\xD8\xFF\xE0 esto no es una foto") << "no picture in";
        QTest::newRow("JPEG cut mid-scan (issue 8)") << jpeg.left(jpeg.size() * 2 / 3) << "damaged picture";
        QTest::newRow("JPEG cut mid-scan, its end marker put back (issue 17)")
            << jpeg.left(jpeg.size() * 2 / 3) + "\xFF\xD9" << "damaged picture";
        QTest::newRow("PNG cut short") << png.left(png.size() * 2 / 3) << "cannot decode";
        QTest::newRow("BMP whose pixels lie past its end (issue 17)")
            << testsupport::withPixelsPastEnd(testsupport::bmpOf(lyingPhoto().scaled(300, 200))) << "no picture in.*past the end";
        QTest::newRow("RLE BMP cut short (issue 17)") << rleBlueBelow("\x04") << "damaged picture";
        QTest::newRow("PNG declaring 20000 x 20000 (issue 9)")
            << testsupport::pngDeclaring(QSize(20000, 20000)) << "picture refused.*20000 x 20000";
    }

    void noPicture()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, warning);
        const QString path = bytes.isNull() ? m_dir->filePath("falta.jpg") : write("foto.jpg", bytes);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        const Picture picture = modcol::decodePicture(path, QSize(165, 134), PictureFit::Stretch);
        QVERIFY(picture.image.isNull());
        QVERIFY(picture.size.isEmpty());
    }

    // The header alone tells what a decode would cost: the memory and time
    // the decoder really takes, never its output alone.
    void verdict_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<PictureVerdict>("verdict");
        const QSize large(7000, 7000);
        // A baseline JPEG is decoded at an eighth, its time the limit; a
        // progressive one keeps every coefficient (issue 17), its memory the limit.
        QTest::newRow("baseline JPEG of 45000 x 45000, just under the time budget")
            << testsupport::jpegDeclaring(QSize(45000, 45000), false) << PictureVerdict::Decodable;
        QTest::newRow("baseline JPEG of 46500 x 46500, just over it")
            << testsupport::jpegDeclaring(QSize(46500, 46500), false) << PictureVerdict::OverBudget;
        QTest::newRow("progressive JPEG of 8000 x 8000, just under the memory budget")
            << testsupport::jpegDeclaring(QSize(8000, 8000), true) << PictureVerdict::Decodable;
        QTest::newRow("progressive JPEG of 8200 x 8200, just over it")
            << testsupport::jpegDeclaring(QSize(8200, 8200), true) << PictureVerdict::OverBudget;
        QTest::newRow("PNG declaring 6000 x 6000: scaled as it is read")
            << testsupport::pngDeclaring(QSize(6000, 6000)) << PictureVerdict::Decodable;
        QTest::newRow("RGBA PNG of 16 bits declaring 7000 x 7000 (issue 17)")
            << testsupport::pngDeclaring(large, 16, 6) << PictureVerdict::OverBudget;
        QTest::newRow("RLE BMP declaring 7000 x 7000 (issue 17)")
            << testsupport::rleBmp(large, {qRgb(0, 0, 0)}, QByteArray("\x00\x01", 2)) << PictureVerdict::OverBudget;
    }

    void verdict()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(PictureVerdict, verdict);
        if (verdict == PictureVerdict::OverBudget)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("picture refused"));
        QCOMPARE(modcol::inspectPicture(write("foto.jpg", bytes)), verdict);
    }

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
    QString write(const QString &name, const QByteArray &bytes) { return testsupport::writeFile(m_dir->filePath(name), bytes); }

    // A picture of `size` at `name` in the test's folder, in the format its
    // suffix names; each kind encoded once for the run.
    QString picture(const QString &name, QSize size)
    {
        const QString suffix = QFileInfo(name).suffix();
        QByteArray &bytes = m_encoded[QString("%1 %2x%3").arg(suffix).arg(size.width()).arg(size.height())];
        if (bytes.isEmpty()) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            bytes = encoded(image, qPrintable(suffix));
        }
        return testsupport::writeFile(m_dir->filePath(name), bytes);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QHash<QString, QByteArray> m_encoded;
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

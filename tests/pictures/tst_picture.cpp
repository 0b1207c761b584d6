// Decoding a picture for its box: upright, at the box's size, and no
// picture at all from a file that is damaged or would take too much memory
// or time to decode, judged from its header alone.
#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "demofolder/exiforientation.h"
#include "hostilepictures.h"
#include "testfiles.h"
#include "pictures/picture.h"

using modcol::Picture;
using modcol::PictureFit;
using modcol::PictureVerdict;

namespace {

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
        const QString path = bytes.isNull() ? m_dir.filePath("falta.jpg") : write("foto.jpg", bytes);
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

private:
    QString write(const QString &name, const QByteArray &bytes) { return testsupport::writeFile(m_dir.filePath(name), bytes); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

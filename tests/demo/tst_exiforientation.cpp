// The orientation tag the generator puts into one demo photo, read back the
// way Qt's JPEG reader reads it; what it cannot tag comes back unchanged.

#include "demofolder/exiforientation.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTest>

using demofolder::withExifOrientation;

namespace {

QByteArray encoded(const char *format)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixelColor(0, 0, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// `jpeg` without its JFIF segment (APP0, right after SOI).
QByteArray withoutJfif(const QByteArray &jpeg)
{
    return jpeg.left(2) + jpeg.mid(4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5])));
}

} // namespace

class TestExifOrientation : public QObject
{
    Q_OBJECT

private slots:
    void tags_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("transformation"); // as Qt reads it; -1: the bytes come back unchanged
        const QByteArray jpeg = encoded("JPG");
        QTest::newRow("1 upright") << jpeg << 1 << int(QImageIOHandler::TransformationNone);
        QTest::newRow("3 upside down") << jpeg << 3 << int(QImageIOHandler::TransformationRotate180);
        QTest::newRow("6 quarter clockwise") << jpeg << 6 << int(QImageIOHandler::TransformationRotate90);
        QTest::newRow("8 quarter anticlockwise") << jpeg << 8 << int(QImageIOHandler::TransformationRotate270);
        QTest::newRow("tagged twice: one tag, the last")
            << withExifOrientation(jpeg, 6) << 3 << int(QImageIOHandler::TransformationRotate180);
        QTest::newRow("no JFIF segment: the tag right after SOI")
            << withoutJfif(jpeg) << 8 << int(QImageIOHandler::TransformationRotate270);
        QTest::newRow("PNG") << encoded("PNG") << 6 << -1;
        QTest::newRow("empty") << QByteArray() << 6 << -1;
        QTest::newRow("bare SOI") << QByteArray("\xFF\xD8", 2) << 6 << -1;
        QTest::newRow("orientation 0") << jpeg << 0 << -1;
        QTest::newRow("orientation 9") << jpeg << 9 << -1;
    }

    void tags()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, orientation);
        QFETCH(int, transformation);
        const QByteArray tagged = withExifOrientation(bytes, orientation);
        if (transformation < 0) {
            QCOMPARE(tagged, bytes);
            return;
        }
        QBuffer buffer;
        buffer.setData(tagged);
        QCOMPARE(int(QImageReader(&buffer, "jpeg").transformation()), transformation);
        QCOMPARE(tagged.count(QByteArray("Exif\0\0", 6)), 1);
        // The pixels are untouched; JFIF readers expect APP0 first where there is one.
        QCOMPARE(QImage::fromData(tagged, "JPG"), QImage::fromData(bytes, "JPG"));
        QCOMPARE(tagged.mid(2, 2), QByteArray(bytes.mid(2, 2) == "\xFF\xE0" ? "\xFF\xE0" : "\xFF\xE1"));
    }
};

QTEST_MAIN(TestExifOrientation)
#include "tst_exiforientation.moc"

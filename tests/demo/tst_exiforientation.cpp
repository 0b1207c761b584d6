// The orientation tag the generator puts into one demo photo, read back the
// way Qt's JPEG reader reads it.

#include "demofolder/exiforientation.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTest>

using demofolder::withExifOrientation;

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage smallPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < 20; ++x)
        image.setPixelColor(x, 0, Qt::red);
    return image;
}

QImageIOHandler::Transformations transformationOf(const QByteArray &jpeg)
{
    QBuffer buffer;
    buffer.setData(jpeg);
    QImageReader reader(&buffer, "jpeg");
    return reader.transformation();
}

} // namespace

class TestExifOrientation : public QObject
{
    Q_OBJECT

private slots:
    void readersSeeTheOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QImageIOHandler::Transformations>("transformation");
        QTest::newRow("1 upright") << 1 << QImageIOHandler::Transformations(QImageIOHandler::TransformationNone);
        QTest::newRow("3 upside down") << 3 << QImageIOHandler::Transformations(QImageIOHandler::TransformationRotate180);
        QTest::newRow("6 quarter clockwise") << 6 << QImageIOHandler::Transformations(QImageIOHandler::TransformationRotate90);
        QTest::newRow("8 quarter anticlockwise") << 8 << QImageIOHandler::Transformations(QImageIOHandler::TransformationRotate270);
    }

    void readersSeeTheOrientation()
    {
        QFETCH(int, orientation);
        QFETCH(QImageIOHandler::Transformations, transformation);
        const QByteArray plain = encoded(smallPicture(), "JPG");
        const QByteArray tagged = withExifOrientation(plain, orientation);
        QCOMPARE(transformationOf(tagged), transformation);

        // The pixels are untouched: only the tag tells how to show them.
        QCOMPARE(QImage::fromData(tagged, "JPG"), QImage::fromData(plain, "JPG"));
        // JFIF readers expect APP0 first.
        QCOMPARE(tagged.mid(2, 2), QByteArray("\xFF\xE0"));
    }

    // Tagging twice leaves one tag, the last one.
    void secondTagReplacesTheFirst()
    {
        const QByteArray twice = withExifOrientation(withExifOrientation(encoded(smallPicture(), "JPG"), 6), 3);
        QCOMPARE(twice.count(QByteArray("Exif\0\0", 6)), 1);
        QCOMPARE(transformationOf(twice), QImageIOHandler::Transformations(QImageIOHandler::TransformationRotate180));
    }

    void otherInputComesBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("orientation");
        const QByteArray jpeg = encoded(smallPicture(), "JPG");
        QTest::newRow("PNG") << encoded(smallPicture(), "PNG") << 6;
        QTest::newRow("empty") << QByteArray() << 6;
        QTest::newRow("bare SOI") << QByteArray("\xFF\xD8", 2) << 6;
        QTest::newRow("orientation 0") << jpeg << 0;
        QTest::newRow("orientation 9") << jpeg << 9;
    }

    void otherInputComesBackUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, orientation);
        QCOMPARE(withExifOrientation(bytes, orientation), bytes);
    }

    // A JPEG without APP0 gets the tag right after SOI and stays readable.
    void jpegWithoutJfifHeader()
    {
        const QByteArray jpeg = encoded(smallPicture(), "JPG");
        const qsizetype app0End = 4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
        const QByteArray bare = jpeg.left(2) + jpeg.mid(app0End);
        const QByteArray tagged = withExifOrientation(bare, 8);
        QCOMPARE(tagged.mid(2, 2), QByteArray("\xFF\xE1"));
        QCOMPARE(transformationOf(tagged), QImageIOHandler::Transformations(QImageIOHandler::TransformationRotate270));
        QVERIFY(!QImage::fromData(tagged, "JPG").isNull());
    }
};

QTEST_MAIN(TestExifOrientation)
#include "tst_exiforientation.moc"

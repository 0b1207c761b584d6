// Decoding a picture for its box: upright, at the box's size, and no
// picture at all from a file that is damaged or declares more pixels than
// can be decoded in reasonable time.
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "demofolder/exiforientation.h"
#include "largepng.h"
#include "startup/picture.h"

using modcol::Picture;
using modcol::PictureFit;

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

bool isMostly(const QColor &colour, Qt::GlobalColor expected)
{
    const QColor want(expected);
    return qAbs(colour.red() - want.red()) < 60 && qAbs(colour.blue() - want.blue()) < 60
        && qAbs(colour.green() - want.green()) < 60;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { modcol::limitPictureAllocations(); }

    // With the Exif orientation "turn a quarter clockwise" the photo comes
    // upright, red on top, and its size is the upright one.
    void upright_data()
    {
        QTest::addColumn<QSize>("box");
        QTest::addColumn<PictureFit>("fit");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("stretched to the box") << QSize(60, 100) << PictureFit::Stretch << QSize(60, 100);
        QTest::newRow("its proportions within the box") << QSize(100, 100) << PictureFit::KeepAspect << QSize(50, 100);
        QTest::newRow("never above its own size") << QSize(1000, 1000) << PictureFit::KeepAspect << QSize(200, 400);
    }

    void upright()
    {
        QFETCH(QSize, box);
        QFETCH(PictureFit, fit);
        QFETCH(QSize, decoded);
        const QString path = write("girada.jpg", demofolder::withExifOrientation(encoded(lyingPhoto(), "JPG"), 6));
        const Picture picture = modcol::decodePicture(path, box, fit);
        QCOMPARE(picture.size, QSize(200, 400));
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
        QTest::newRow("JPEG cut short (issue 8)") << jpeg.left(jpeg.size() * 2 / 3) << "damaged picture";
        QTest::newRow("PNG cut short") << png.left(png.size() * 2 / 3) << "cannot decode";
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

    // A JPEG decodes scaled, so one above the pixel budget is still shown.
    void largeJpegDecodesScaled()
    {
        QImage large(7200, 7200, QImage::Format_Grayscale8);
        large.fill(Qt::white);
        const QString path = write("grande.jpg", encoded(large, "JPG"));
        const Picture picture = modcol::decodePicture(path, QSize(165, 134), PictureFit::Stretch);
        QCOMPARE(picture.size, QSize(7200, 7200));
        QCOMPARE(picture.image.size(), QSize(165, 134));
    }

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

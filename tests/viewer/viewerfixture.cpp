#include "viewerfixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "catalogue/database.h"
#include "demofolder/exiforientation.h"
#include "demofolder/outputfiles.h"
#include "demofolder/photopainter.h"
#include "spanishlocale.h"
#include "startup/modcol.h"
#include "testcatalogue.h"

namespace viewertest {
namespace {

QString catalogueSql(const QList<Photo> &photos)
{
    QString sql = testsupport::catalogueSchemaSql();
    sql += QStringLiteral("INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New');\n"
                          "INSERT INTO tipoori VALUES (1, 'Sur', 'South');\n"
                          "INSERT INTO ciudad VALUES (1, 'Nerja');\n"
                          "INSERT INTO zonas VALUES (1, 'Centro');\n"
                          "INSERT INTO tipo VALUES (1, 'Piso', NULL);\n"
                          "INSERT INTO ofertas (Cod_Ofer, ref, Key_Tipo, Key_Loca, Key_Zona, precioinmo, Conservacion, "
                          "keyori) VALUES (%1, 'R%1', 1, 1, 1, 150000, 1, 1);\n")
               .arg(Offer);
    // Stored in reverse: the viewer orders them itself.
    for (int row = int(photos.size()); row >= 1; --row) {
        sql += QStringLiteral("INSERT INTO fotos VALUES (%1, %2, 'fotos\\%2_%3.jpg', %3, %4);\n")
                   .arg(keyOf(row))
                   .arg(Offer)
                   .arg(row)
                   .arg(photos[row - 1].nomostrar ? 1 : 0);
    }
    return sql;
}

} // namespace

QList<Photo> consecutivePhotos(int count)
{
    return QList<Photo>(count, Photo());
}

ViewerFixture::ViewerFixture(const QList<Photo> &photos)
{
    testsupport::pinSpanishLocale();
    modcol::RutaApp = m_app.path() + QLatin1Char('/');
    modcol::RutaBd.clear();
    modcol::RutaTemp = testsupport::writeCatalogue(m_temp, catalogueSql(photos));
    QDir(m_app.path()).mkdir(QStringLiteral("fotos"));
    for (int i = 1; i <= photos.size(); ++i) {
        const Photo &photo = photos[i - 1];
        if (!photo.file)
            continue;
        // A drawn photo costs what a photo costs to decode.
        const QImage drawn = demofolder::paintPhoto({std::uint32_t(i), photo.size, QStringLiteral("R7"), QString()});
        demofolder::writeBytes(photoPath(i), photo.damaged ? QByteArray("\xFF\xD8\xFF\xE0 cut short")
                                                          : demofolder::withExifOrientation(
                                                                demofolder::encodeJpeg(drawn, 85), photo.orientation));
    }
    modcol::BaseDatos.reset();
    modcol::AbreBaseDatos();
}

ViewerFixture::~ViewerFixture()
{
    modcol::BaseDatos.reset();
}

QString ViewerFixture::photoPath(int i) const
{
    return m_app.filePath(QStringLiteral("fotos/%1_%2.jpg").arg(Offer).arg(i));
}

void useScreens(const QList<QSize> &sizes)
{
    // Read when the platform starts; kept until the program ends.
    static QTemporaryDir dir;
    QStringList screens;
    int left = 0;
    for (const QSize &size : sizes) {
        screens << QStringLiteral(R"({"name": "pantalla%1", "x": %2, "y": 0, "width": %3, "height": %4,
                                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})")
                       .arg(screens.size())
                       .arg(left)
                       .arg(size.width())
                       .arg(size.height());
        left += size.width();
    }
    QFile file(dir.filePath(QStringLiteral("pantallas.json")));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot describe the screens");
    file.write(QStringLiteral(R"({"screens": [%1]})").arg(screens.join(u',')).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
}

QStringList imageKeys(const QWidget &viewer, int first)
{
    QStringList keys;
    for (int k = first; const auto *box = viewer.findChild<QLabel *>(QStringLiteral("Img_%1").arg(k)); ++k)
        keys << box->property("Tag").toString();
    return keys;
}

QList<int> markedElements(const QWidget &viewer)
{
    QList<int> marked;
    for (int k = 0; const auto *box = viewer.findChild<QLabel *>(QStringLiteral("Img_%1").arg(k)); ++k) {
        if (box->frameShape() == QFrame::Box)
            marked << k;
    }
    return marked;
}

void doubleClick(QWidget *box)
{
    QTest::mousePress(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton);
    QTest::mouseDClick(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton);
}

} // namespace viewertest

#include "viewerfixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "catalogue/database.h"
#include "demofolder/exiforientation.h"
#include "spanishlocale.h"
#include "startup/modcol.h"
#include "testcatalogue.h"

namespace viewertest {
namespace {

// A JPEG in a colour of its own, shaded and drawn on as a photo is, so
// that it costs what a photo costs to decode.
void writePhoto(const QString &path, const Foto &foto, int i)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (foto.damaged) {
        file.write("\xFF\xD8\xFF\xE0 cut short");
        return;
    }
    QImage image(foto.size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, foto.size.width(), foto.size.height());
    shade.setColorAt(0, QColor::fromHsv((i * 47) % 360, 200, 220));
    shade.setColorAt(1, Qt::white);
    painter.fillRect(image.rect(), shade);
    for (int k = 1; k < 12; ++k) {
        painter.setBrush(QColor::fromHsv((i * 47 + k * 29) % 360, 160, 180));
        painter.drawEllipse(QPoint(foto.size.width() * k / 12, foto.size.height() * ((k * 5) % 12) / 12),
                            foto.size.width() / 10, foto.size.height() / 14);
    }
    painter.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&buffer, "JPG"));
    file.write(demofolder::withExifOrientation(jpeg, foto.orientation));
}

QString catalogueSql(const QList<Foto> &fotos)
{
    QString sql = testsupport::catalogueSchemaSql();
    sql += QStringLiteral("INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New');\n"
                          "INSERT INTO tipoori VALUES (1, 'Sur', 'South');\n"
                          "INSERT INTO ciudad VALUES (1, 'Nerja');\n"
                          "INSERT INTO zonas VALUES (1, 'Centro');\n"
                          "INSERT INTO tipo VALUES (1, 'Piso', NULL);\n"
                          "INSERT INTO ofertas (Cod_Ofer, ref, Key_Tipo, Key_Loca, Key_Zona, precioinmo, Conservacion, "
                          "keyori) VALUES (%1, 'R%1', 1, 1, 1, 150000, 1, 1);\n")
               .arg(Oferta);
    for (int i = 1; i <= fotos.size(); ++i) {
        // Stored in reverse: the viewer orders them itself.
        const int row = fotos.size() + 1 - i;
        sql += QStringLiteral("INSERT INTO fotos VALUES (%1, %2, 'fotos\\%2_%3.jpg', %3, %4);\n")
                   .arg(keyOf(row))
                   .arg(Oferta)
                   .arg(row)
                   .arg(fotos[row - 1].nomostrar ? 1 : 0);
    }
    return sql;
}

} // namespace

QList<Foto> fotosSeguidas(int count)
{
    return QList<Foto>(count, Foto());
}

ViewerFixture::ViewerFixture(const QList<Foto> &fotos)
{
    testsupport::pinSpanishLocale();
    modcol::RutaApp = m_app.path() + QLatin1Char('/');
    modcol::RutaBd.clear();
    modcol::RutaTemp = testsupport::writeCatalogue(m_temp, catalogueSql(fotos));
    QDir(m_app.path()).mkdir(QStringLiteral("fotos"));
    for (int i = 1; i <= fotos.size(); ++i) {
        if (fotos[i - 1].file)
            writePhoto(photoPath(i), fotos[i - 1], i);
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
    return m_app.filePath(QStringLiteral("fotos/%1_%2.jpg").arg(Oferta).arg(i));
}

void useScreen(int width, int height)
{
    // Read when the platform starts; kept until the program ends.
    static QTemporaryDir dir;
    QFile screens(dir.filePath(QStringLiteral("pantalla.json")));
    if (!screens.open(QIODevice::WriteOnly))
        qFatal("cannot describe the screen");
    screens.write(QStringLiteral(R"({"screens": [{"name": "prueba", "x": 0, "y": 0, "width": %1, "height": %2,
                                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                      .arg(width)
                      .arg(height)
                      .toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
}

QStringList pageKeys(const QWidget &viewer)
{
    QStringList keys;
    for (int k = 1;; ++k) {
        const auto *cell = viewer.findChild<QLabel *>(QStringLiteral("Img_%1").arg(k));
        if (!cell)
            return keys;
        keys << cell->property("Tag").toString();
    }
}

QList<int> markedElements(const QWidget &viewer)
{
    QList<int> marked;
    for (int k = 0;; ++k) {
        const auto *cell = viewer.findChild<QLabel *>(QStringLiteral("Img_%1").arg(k));
        if (!cell)
            return marked;
        if (cell->frameShape() == QFrame::Box)
            marked << k;
    }
}

} // namespace viewertest

#include "partnerfolder.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include "catalogue/database.h"
#include "catalogue/sqltext.h"
#include "demofolder/exiforientation.h"
#include "demofolder/outputfiles.h"
#include "spanishlocale.h"
#include "startup/modcol.h"
#include "testcatalogue.h"

namespace testsupport {
namespace {

// Each name once, keyed 1 onwards, as rows of a look-up table.
QString lookupRows(const char *table, const char *columns, const QStringList &names)
{
    QString sql;
    for (int i = 0; i < names.size(); ++i) {
        sql += QStringLiteral("INSERT INTO %1 (%2) VALUES (%3, %4);\n")
                   .arg(QLatin1String(table), QLatin1String(columns))
                   .arg(i + 1)
                   .arg(catalogue::textLiteral(names[i]));
    }
    return sql;
}

QString offerRows(const QList<Offer> &offers)
{
    QStringList tipos, ciudades, zonas;
    for (const Offer &o : offers) {
        for (auto [names, name] : {std::pair(&tipos, o.tipo), std::pair(&ciudades, o.ciudad), std::pair(&zonas, o.zona)}) {
            if (!names->contains(name))
                names->append(name);
        }
    }
    QString sql = QStringLiteral("INSERT INTO tipoconservacion VALUES (1, 'Nuevo', 'New');\n"
                                 "INSERT INTO tipoori VALUES (1, 'Sur', 'South');\n")
        + lookupRows("tipo", "Cod_Tipo, Tipo_Ofer", tipos) + lookupRows("ciudad", "Cod_Ciu, Ciudad", ciudades)
        + lookupRows("zonas", "Cod_Zona, Zona", zonas);
    QStringList photoRows;
    for (const Offer &o : offers) {
        // Texts last: an argument's own text is not read for markers then.
        sql += QStringLiteral("INSERT INTO ofertas (Cod_Ofer, Key_Tipo, Key_Loca, Key_Zona, precioinmo, Conservacion, "
                              "keyori, piscina_prop, piscina_com, ref) VALUES (%1, %2, %3, %4, %5, 1, 1, %6, %7, %8);\n")
                   .arg(o.cod)
                   .arg(tipos.indexOf(o.tipo) + 1)
                   .arg(ciudades.indexOf(o.ciudad) + 1)
                   .arg(zonas.indexOf(o.zona) + 1)
                   .arg(QString::number(o.precio, 'f', 2))
                   .arg(int(o.piscinaProp))
                   .arg(int(o.piscinaCom))
                   .arg(catalogue::textLiteral(o.ref.isEmpty() ? QStringLiteral("R%1").arg(o.cod) : o.ref));
        for (int orden = 1; orden <= o.photos.size(); ++orden) {
            const Photo &photo = o.photos[orden - 1];
            photoRows.prepend(QStringLiteral("INSERT INTO fotos (CodFoto, KeyOfe, orden, nomostrar, Ruta) "
                                             "VALUES (%1, %2, %3, %4, %5);\n")
                                  .arg(photoRows.size() + 1)
                                  .arg(o.cod)
                                  .arg(orden)
                                  .arg(int(photo.nomostrar))
                                  .arg(photo.ruta.isNull() ? QStringLiteral("NULL") : catalogue::textLiteral(photo.ruta)));
        }
    }
    return sql + photoRows.join(QString());
}

} // namespace

QList<Offer> consecutiveOffers(int n)
{
    QList<Offer> offers;
    for (int i = 1; i <= n; ++i)
        offers.append(Offer{i, i * 1000.0});
    return offers;
}

PartnerFolder::PartnerFolder(const QList<Offer> &offers)
    : PartnerFolder(offerRows(offers))
{
}

PartnerFolder::PartnerFolder(const QString &rows)
{
    pinSpanishLocale();
    QDir(scratch()).mkpath(QStringLiteral("app"));
    QDir(scratch()).mkpath(QStringLiteral("bd"));
    modcol::RutaApp = appFolder() + QLatin1Char('/');
    modcol::RutaBd = bdFolder() + QLatin1Char('/');
    modcol::RutaTemp = writeCatalogue(m_root, catalogueSchemaSql() + rows, QStringLiteral("pinoverdes_"),
                                      QStringLiteral("20240517103000.mdb"));
    modcol::NombreInmo = QStringLiteral("Inmobiliaria de prueba");
    modcol::BaseDatos.reset();
    modcol::AbreBaseDatos();
}

PartnerFolder::~PartnerFolder()
{
    modcol::BaseDatos.reset();
}

void writePicture(const QString &path, QSize size, const QColor &colour, int orientation)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    demofolder::writeBytes(path, demofolder::withExifOrientation(demofolder::encodeJpeg(image, 90), orientation));
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

void doubleClick(QWidget *target)
{
    QTest::mousePress(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
    QTest::mouseDClick(target, Qt::LeftButton);
    QTest::mouseRelease(target, Qt::LeftButton);
}

} // namespace testsupport

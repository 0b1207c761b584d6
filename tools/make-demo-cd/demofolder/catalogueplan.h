#pragma once

#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace demofolder {

// A row of one of the small look-up tables (ciudad, zonas, tipo,
// tipoconservacion, tipoori); `second` is empty where the table has no
// second text.
struct LookupRow
{
    int key = 0;
    QString text;
    QString second;
};

struct OfferRow
{
    int key = 0;
    QString ref;
    int tipo = 0;
    int ciudad = 0;
    int zona = 0;
    std::int64_t priceCents = 0;
    int conservacion = 0;
    int orientacion = 0;
    bool piscinaProp = false;
    bool piscinaCom = false;
    std::optional<int> habitaciones, habdobles, banos, aseos, salon, numplanta;
    std::optional<double> mUtiles, mCons, mParcela, mFachada;
    std::optional<QString> suelo, vistas, carpinteria, carpinext;
    std::vector<bool> qualities; // parallel to qualityColumns()
    QString fechaAlta;           // "yyyy-MM-dd hh:mm:ss"
    QString descripcion;
};

// How a photo's picture looks; chosen by the planner so that drawing is a
// pure function of the plan.
struct PhotoLook
{
    std::uint32_t palette = 0; // picks colours and details of the house
    QSize size;                // as displayed (after any EXIF rotation)
    QString title;             // first line written on the picture
    QString subtitle;          // second line
};

// What lies on disk for a photo row.
enum class PhotoFileKind {
    Drawn,   // drawn for this row alone
    Pooled,  // a link to (or copy of) the shared picture `poolIndex`
    Missing, // the row names a file that is deliberately absent
};

struct PhotoRow
{
    int codFoto = 0;
    int keyOfe = 0;
    QString ruta; // Windows form, relative to the program's folder
    int orden = 0;
    bool nomostrar = false;

    PhotoFileKind kind = PhotoFileKind::Drawn;
    int poolIndex = -1;
    PhotoLook look;        // for Drawn rows
    int exifOrientation = 1; // 1 = stored upright, no tag written
};

// A prepared thumbnail "fotos\<key>cd.jpg", scaled from one photo row.
struct ThumbnailFile
{
    QString ruta;
    std::size_t photo = 0; // index into CataloguePlan::photos
};

// A picture shared by many rows of a large catalogue.
struct PooledPicture
{
    PhotoLook look;
};

struct CataloguePlan
{
    std::vector<LookupRow> ciudades, zonas, tipos, conservaciones, orientaciones;
    std::vector<OfferRow> offers;
    std::vector<PhotoRow> photos; // in insertion (CodFoto) order
    std::vector<ThumbnailFile> thumbnails;
    std::vector<PooledPicture> pool;
    double creationDate = 0; // of the .mdb, days since 1899-12-30
};

} // namespace demofolder

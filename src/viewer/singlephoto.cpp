// The single view: the current photo fitted to the window and reduced by
// the zoom percentage, marking a photo, and picking one by double-click.
#include "viewer/frmfoto.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "filelookup/cataloguepaths.h"
#include "widgets/clicklabel.h"
#include "startup/failure.h"
#include "widgets/formscaling.h"
#include "startup/modcol.h"
#include "viewer/controlmeasures.h"
#include "viewer/viewergeometry.h"

namespace viewer {

void FrmFoto::DatImagen_Reposition()
{
    if (!FormuListo || EnDetalle || m_closing)
        return;
    modcol::endOnFailure([this] {
        MuestraCeldas(false);
        Movimiento_Imagen();
    });
}

void FrmFoto::Movimiento_Imagen()
{
    forgetPictures();
    const catalogue::Recordset &rs = photos();
    if (rs.AbsolutePosition() < 0) {
        removePhoto();
        return;
    }
    // The photo shown is the current row's, also when its file is missing.
    setTag(Dato[0], catalogue::numberAsText(rs.Fields(QStringLiteral("keyofe")).Value));
    setTag(Img[0], catalogue::numberAsText(rs.Fields(0).Value));
    const QString file =
        modcol::photoFile(modcol::baseFolders(), catalogue::numberAsText(rs.Fields(QStringLiteral("ruta")).Value));
    if (file.isEmpty()) {
        showNoPhoto(Placeholder::PhotoUnavailable);
        return;
    }
    const QSize box = photoBox(windowTwips(), areaTop());
    removePhoto();
    if (box.isEmpty())
        return;
    Img[0]->hide();
    // Decoded no larger than it can be shown: the fitted size at most.
    decode(file, QSize(modcol::twipsToPixels(box.width()), modcol::twipsToPixels(box.height())), 0);
}

void FrmFoto::showPhoto(const modcol::Picture &picture)
{
    if (picture.image.isNull()) {
        showNoPhoto(Placeholder::PhotoUnavailable);
        return;
    }
    setPicture(Img[0], picture.image);
    m_photoSize = picture.size;
    fitAndZoom();
    Img[0]->show();
}

void FrmFoto::removePhoto()
{
    Img[0]->clear();
    m_photoSize = QSize();
    m_fitted = QSizeF();
}

void FrmFoto::showNoPhoto(Placeholder why)
{
    removePhoto();
    // Over the whole photo area, where a photo would be.
    const QSizeF area = photoBox(windowTwips(), areaTop());
    Img[0]->setGeometry(inPixels(zoomedPhoto(area, 100, windowTwips(), areaTop())));
    showPlaceholder(Img[0], why);
    Img[0]->show();
}

void FrmFoto::EncajaFoto(int AltoMax, int AnchoMax)
{
    if (!hasPhotos())
        return;
    if (const auto fitted = fittedPhoto(AltoMax, AnchoMax, m_photoSize))
        m_fitted = *fitted;
}

void FrmFoto::AplicaZoom()
{
    if (!hasPhotos())
        return;
    const int zoom = zoomPercent(QStringLiteral("100"));
    if (!m_fitted.isEmpty())
        Img[0]->setGeometry(inPixels(zoomedPhoto(m_fitted, zoom, windowTwips(), areaTop())));
}

int FrmFoto::zoomPercent(const QString &whenEmpty)
{
    const QString zoom = clampedZoom(TxtZoom->text(), whenEmpty);
    if (zoom != TxtZoom->text())
        TxtZoom->setText(zoom);
    return zoom.toInt();
}

void FrmFoto::fitAndZoom()
{
    const QSize box = photoBox(windowTwips(), areaTop());
    EncajaFoto(box.height(), box.width());
    AplicaZoom();
}

void FrmFoto::TxtZoom_Enter()
{
    if (!hasPhotos())
        return;
    zoomPercent(QStringLiteral("10"));
    fitAndZoom();
}

void FrmFoto::TxtZoom_LostFocus()
{
    if (FormuListo && isVisible() && !m_closing)
        modcol::endOnFailure([this] { TxtZoom_Enter(); });
}

void FrmFoto::Img_Click(int i)
{
    if (i == 0 || m_closing)
        return;
    MuestraCeldas(true);
    setMarked(i, true);
}

void FrmFoto::Img_DblClick(int i)
{
    if (m_closing || !hasPhotos())
        return;
    // The photo double-clicked, which its first click has marked: a cell's,
    // or the photo shown, also when the grid never marked it.
    const int key = tag(Img[i]).toInt();
    FotoElegida = key;
    if (ConNivel) {
        modcol::endOnFailure([this] {
            if (Nivel == 1)
                TxtZoom->setText(QStringLiteral("10"));
            else if (Nivel == 2)
                TxtZoom->setText(QStringLiteral("25"));
            OptAcc[0]->setChecked(true);
            TxtZoom_Enter();
        });
    }
    FotoElegida = key;
    done(QDialog::Accepted);
}

int FrmFoto::FotoMarcada() const
{
    int key = 0;
    for (int k = 0; k < int(Img.size()); ++k) {
        if (isMarked(k))
            key = tag(Img[k]).toInt();
    }
    return key;
}

} // namespace viewer

#pragma once

#include <QSize>
#include <QSizeF>

#include "pictures/picture.h"
#include "viewer/placeholder.h"
#include "widgets/clicklabel.h"

namespace modcol {
class PictureLoader;
}

namespace viewer {

class ViewerModel;
class ZoomBox;

// The single view (`Img(0)`): the model's current photo fitted to the
// window and reduced by the zoom box's percentage, centred below the close
// button, framed while it carries the mark. A child of the window.
class SinglePhoto : public modcol::ClickLabel
{
    Q_OBJECT

public:
    SinglePhoto(ViewerModel &model, ZoomBox &zoom, const QWidget &closeButton, QWidget *window);

    // Shows the current photo once its picture is decoded; a missing or
    // unreadable one says so.
    void Movimiento_Imagen();
    // Fits the picture shown to the window again and applies the zoom.
    void fitAndZoom();
    // Hides the photo and forgets its picture, also one still to come.
    void removePhoto();
    // Drops the picture still to come.
    void forgetPicture();
    // Shows why there is no photo over the whole photo area.
    void showNoPhoto(Placeholder why);

private:
    void showPicture(const modcol::Picture &picture);
    void clearPicture();
    void EncajaFoto(int AltoMax, int AnchoMax);
    void AplicaZoom();
    // The box the photo is fitted into, in this window (twips).
    QSize fitBox() const;
    // Places a photo of `fitted` size reduced to `zoom` percent.
    void place(QSizeF fitted, int zoom);

    ViewerModel &m_model;
    ZoomBox &m_zoom;
    const QWidget &m_closeButton;
    modcol::PictureLoader *m_loader;
    QSize m_photoSize; // the picture's own size, upright; empty without one
    QSizeF m_fitted;   // fitted to the window, in twips
};

} // namespace viewer

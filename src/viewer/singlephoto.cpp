#include "viewer/singlephoto.h"

#include "pictures/pictureloader.h"
#include "viewer/controlmeasures.h"
#include "viewer/logging.h"
#include "viewer/viewergeometry.h"
#include "viewer/viewermodel.h"
#include "viewer/zoombox.h"
#include "widgets/formscaling.h"

namespace viewer {

SinglePhoto::SinglePhoto(ViewerModel &model, ZoomBox &zoom, const QWidget &closeButton, QWidget *window)
    : modcol::ClickLabel(window)
    , m_model(model)
    , m_zoom(zoom)
    , m_closeButton(closeButton)
    , m_loader(new modcol::PictureLoader(this))
{
    setObjectName(QStringLiteral("Img_0"));
    setScaledContents(true);
    modcol::placeControl(this, 360, 2400, 975, 975);
    hide();
    connect(m_loader, &modcol::PictureLoader::loaded, this,
            [this](int, const modcol::Picture &picture) { showPicture(picture); });
    connect(&m_model, &ViewerModel::marksChanged, this,
            [this] { setFrameShape(m_model.photoMarked() ? QFrame::Box : QFrame::NoFrame); });
}

void SinglePhoto::Movimiento_Imagen()
{
    forgetPicture();
    const int key = m_model.currentKey();
    if (key == 0) {
        clearPicture();
        return;
    }
    // The photo shown is the current row's, also when its file is missing.
    m_model.setShownKey(key);
    const QString file = m_model.currentFile();
    if (file.isEmpty()) {
        showNoPhoto(Placeholder::PhotoUnavailable);
        return;
    }
    const QSize box = fitBox();
    clearPicture();
    if (box.isEmpty())
        return;
    hide();
    // Decoded no larger than it can be shown: the fitted size at most.
    const QSize pixels(modcol::twipsToPixels(box.width()), modcol::twipsToPixels(box.height()));
    m_loader->request(0, file, pixels * devicePixelRatioF(), modcol::PictureFit::KeepAspect);
}

void SinglePhoto::showPicture(const modcol::Picture &picture)
{
    if (picture.image.isNull()) {
        qCDebug(lcViewer) << "no picture for the photo" << m_model.shownKey();
        showNoPhoto(Placeholder::PhotoUnavailable);
        return;
    }
    setPixmap(modcol::devicePixmap(picture.image, devicePixelRatioF()));
    m_photoSize = picture.size;
    fitAndZoom();
    show();
}

void SinglePhoto::removePhoto()
{
    forgetPicture();
    hide();
    clearPicture();
}

void SinglePhoto::forgetPicture()
{
    m_loader->cancelAll();
}

void SinglePhoto::clearPicture()
{
    clear();
    m_photoSize = QSize();
    m_fitted = QSizeF();
}

void SinglePhoto::showNoPhoto(Placeholder why)
{
    clearPicture();
    place(fitBox(), 100);
    showPlaceholder(this, why);
    show();
}

void SinglePhoto::fitAndZoom()
{
    const QSize box = fitBox();
    EncajaFoto(box.height(), box.width());
    AplicaZoom();
}

void SinglePhoto::EncajaFoto(int AltoMax, int AnchoMax)
{
    if (const auto fitted = fittedPhoto(AltoMax, AnchoMax, m_photoSize))
        m_fitted = *fitted;
}

void SinglePhoto::AplicaZoom()
{
    const int zoom = m_zoom.percent(QStringLiteral("100"));
    if (!m_fitted.isEmpty())
        place(m_fitted, zoom);
}

QSize SinglePhoto::fitBox() const
{
    return photoBox(inTwips(parentWidget()->rect()).size(), photoAreaTop(m_closeButton));
}

void SinglePhoto::place(QSizeF fitted, int zoom)
{
    setGeometry(inPixels(zoomedPhoto(fitted, zoom, inTwips(parentWidget()->rect()).size(), photoAreaTop(m_closeButton))));
}

} // namespace viewer

// The viewer's model: its photo list, its state, the entry GetOfeFoto, the
// switch between the grid and the single view, the keys it sees before its
// controls, and closing.
#include "viewer/frmfoto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "widgets/clicklabel.h"
#include "startup/failure.h"
#include "widgets/formscaling.h"
#include "widgets/keys.h"
#include "startup/modcol.h"
#include "pictures/pictureloader.h"
#include "statements/statements.h"
#include "viewer/controlmeasures.h"
#include "viewer/inputhold.h"
#include "viewer/logging.h"
#include "viewer/slideshow.h"
#include "viewer/viewergeometry.h"

namespace viewer {
namespace {

// The offer's photos that the viewer shows; an empty list when they cannot
// be read.
std::unique_ptr<catalogue::Recordset> openPhotoList(int codOfer)
{
    std::unique_ptr<catalogue::Recordset> photos;
    modcol::skipFailure(lcViewer(),
                        [&] { photos = modcol::baseDatos().OpenRecordset(modcol::viewerPhotosStatement(codOfer)); });
    if (!photos) {
        qCWarning(lcViewer) << "the photos of offer" << codOfer << "cannot be read; the viewer shows none";
        photos = std::make_unique<catalogue::Recordset>(QStringList{QStringLiteral("CodFoto")}, std::vector<QVariant>{});
    }
    return photos;
}

// Focus that the user moved: not a window deactivated, a drop-down opened
// or a window closing.
bool movedByUser(const QEvent *event)
{
    switch (static_cast<const QFocusEvent *>(event)->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

FrmFoto::FrmFoto(int codOfer, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_loader(new modcol::PictureLoader(this))
{
    setObjectName(QStringLiteral("FrmFoto"));
    resize(modcol::twipsToPixels(11910), modcol::twipsToPixels(6660));
    createControls();
    modcol::AjustaFormu(this, 0, 0, false);
    // The whole screen, title bar and all, also where no window manager
    // maximises windows; the single photo is fitted to this size.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->geometry());

    connect(m_loader, &modcol::PictureLoader::loaded, this, &FrmFoto::pictureLoaded);
    connect(DatImagen, &modcol::RecordNavigator::Reposition, this, &FrmFoto::DatImagen_Reposition);
    DatImagen->setRecordset(openPhotoList(codOfer));
    // Nothing to zoom: the box takes no key.
    TxtZoom->setReadOnly(!hasPhotos());
    if (!hasPhotos())
        showNoPhoto(Placeholder::NoPhotos);

    // The keys go to the photos: the window itself, the photo area, has the
    // first focus and takes it back when a photo or the ground is clicked.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    modcol::sendArrowsToWindow(this);
}

FrmFoto::~FrmFoto() = default;

int FrmFoto::GetOfeFoto(int Clave, bool Detalle, int NivelCompre)
{
    Q_UNUSED(Detalle)
    prepare(Clave, NivelCompre);
    exec();
    return FotoElegida;
}

void FrmFoto::openOn(int Clave, int NivelCompre)
{
    prepare(Clave, NivelCompre);
    open();
}

void FrmFoto::prepare(int Clave, int NivelCompre)
{
    modcol::endOnFailure([&] {
        Nivel = NivelCompre;
        if (NivelCompre > 0)
            ConNivel = true;
        FotoElegida = 0;
        if (!hasPhotos())
            return;
        catalogue::Recordset &rs = photos();
        rs.MoveLast();
        TotalFotos = rs.RecordCount();
        if (Clave > 0) {
            OptAcc[0]->setChecked(true);
            goToPhoto(Clave);
        } else {
            rs.MoveFirst();
            OptAcc[1]->setChecked(true);
        }
        FotoElegida = 0;
    });
}

catalogue::Recordset &FrmFoto::photos() const
{
    return *DatImagen->recordset();
}

bool FrmFoto::hasPhotos() const
{
    return photos().RecordCount() > 0;
}

int FrmFoto::currentPhotoKey() const
{
    const catalogue::Recordset &rs = photos();
    return rs.AbsolutePosition() < 0 ? 0 : rs.Fields(0).Value.toInt();
}

void FrmFoto::goToPhoto(int key)
{
    catalogue::Recordset &rs = photos();
    if (key > 0) {
        rs.FindFirst(rs.FieldName(0) + QLatin1Char('=') + QString::number(key));
        if (!rs.NoMatch())
            return;
    }
    // No photo marked, or one the viewer does not show (a hidden photo
    // current on the card): the first photo.
    rs.MoveFirst();
}

void FrmFoto::OptAcc_Click()
{
    // Without photos neither view has anything to show.
    if (m_closing || !hasPhotos())
        return;
    forgetPictures();
    modcol::endOnFailure([this] {
        if (!OptAcc[0]->isChecked())
            VistaDetalle();
        else
            VistaUnaFoto();
    });
}

void FrmFoto::VistaDetalle()
{
    FraDet->show();
    FraFoto->hide();
    Check1->setChecked(false);
    const int key = currentPhotoKey();
    EnDetalle = true;
    const InputHold hold(this);
    LlenaCeldas();
    MarcaFoto(key);
}

void FrmFoto::VistaUnaFoto()
{
    EnDetalle = false;
    FraDet->hide();
    FraFoto->show();
    int key = FotoMarcada();
    if (FormuListo && FotoElegida > 0)
        key = FotoElegida;
    if (!FormuListo || FotoElegida > 0)
        FotoElegida = 0;
    // The move shows the photo once the window is on screen.
    goToPhoto(key);
}

void FrmFoto::botcerrar_Click()
{
    done(QDialog::Rejected);
}

void FrmFoto::reject()
{
    botcerrar_Click();
}

void FrmFoto::done(int result)
{
    if (m_closing)
        return;
    m_closing = true;
    modcol::skipFailure(lcViewer(), [this] {
        m_slideshow->stop();
        forgetPictures();
    });
    Nivel = 0;
    ConNivel = false;
    QDialog::done(result);
}

void FrmFoto::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (FormuListo)
        return;
    FormuListo = true;
    if (OptAcc[0]->isChecked())
        modcol::endOnFailure([this] { Movimiento_Imagen(); });
}

void FrmFoto::keyPressEvent(QKeyEvent *event)
{
    using Step = modcol::RecordNavigator::Step;
    // The single view steps through the photos; the grid moves its mark and
    // turns its pages. Presentation clickers send Page Up and Page Down.
    switch (event->key()) {
    case Qt::Key_PageUp:
        EnDetalle ? turnPage(-1) : stepPhotos(Step::Previous);
        break;
    case Qt::Key_PageDown:
        EnDetalle ? turnPage(1) : stepPhotos(Step::Next);
        break;
    case Qt::Key_Left:
        EnDetalle ? moveMark(-1) : stepPhotos(Step::Previous);
        break;
    case Qt::Key_Right:
        EnDetalle ? moveMark(1) : stepPhotos(Step::Next);
        break;
    case Qt::Key_Up:
        if (EnDetalle)
            moveMark(-m_columns);
        break;
    case Qt::Key_Down:
        if (EnDetalle)
            moveMark(m_columns);
        break;
    case Qt::Key_Home:
        stepPhotos(Step::First);
        break;
    case Qt::Key_End:
        stepPhotos(Step::Last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break; // the window has no default button
    default:
        QDialog::keyPressEvent(event); // Escape closes
    }
}

void FrmFoto::stepPhotos(modcol::RecordNavigator::Step step)
{
    // As the navigator's own arrows, and only where they can be used: in the
    // single view, not during the slideshow (the navigator is off then), and
    // not while the zoom box takes the keys.
    if (m_closing || EnDetalle || FraFoto->isHidden() || focusWidget() == TxtZoom)
        return;
    DatImagen->step(step);
}

bool FrmFoto::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TxtZoom) {
        if (event->type() == QEvent::KeyPress && modcol::isEnter(static_cast<const QKeyEvent *>(event))) {
            modcol::endOnFailure([this] { TxtZoom_Enter(); });
            return true;
        }
        if (event->type() == QEvent::FocusOut && movedByUser(event))
            TxtZoom_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void FrmFoto::decode(const QString &file, QSize box, int element)
{
    m_loader->request(element, file, box * devicePixelRatioF(), modcol::PictureFit::KeepAspect);
}

void FrmFoto::pictureLoaded(int element, const modcol::Picture &picture)
{
    if (picture.image.isNull())
        qCDebug(lcViewer) << "no picture for element" << element << "of the viewer";
    if (element == 0)
        showPhoto(picture);
    else if (element < int(Img.size()))
        showCellPicture(element, picture);
}

void FrmFoto::forgetPictures()
{
    m_loader->cancelAll();
}

void FrmFoto::setPicture(QLabel *box, const QImage &image)
{
    box->setPixmap(modcol::devicePixmap(image, devicePixelRatioF()));
}

QSizeF FrmFoto::windowTwips() const
{
    return inTwips(rect()).size();
}

int FrmFoto::areaTop() const
{
    const QRect close = inTwips(botcerrar->geometry());
    return photoAreaTop(close.top(), close.height());
}

} // namespace viewer

// The viewer's window: the entry GetOfeFoto, the switch between the grid
// and the single view, the handlers of its controls, the keys it sees
// before its controls, and closing.
#include "viewer/frmfoto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScreen>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "startup/failure.h"
#include "startup/modcol.h"
#include "statements/statements.h"
#include "viewer/logging.h"
#include "viewer/photogrid.h"
#include "viewer/pointerhider.h"
#include "viewer/singlephoto.h"
#include "viewer/slideshow.h"
#include "viewer/viewermodel.h"
#include "viewer/zoombox.h"
#include "widgets/formscaling.h"
#include "widgets/keys.h"

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

} // namespace

FrmFoto::FrmFoto(int codOfer, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_model(new ViewerModel(openPhotoList(codOfer), this))
    , m_slideshow(new Slideshow(*m_model, this))
    , m_pointer(new PointerHider(this))
{
    setObjectName(QStringLiteral("FrmFoto"));
    resize(modcol::twipsToPixels(11910), modcol::twipsToPixels(6660));
    createControls();
    modcol::AjustaFormu(this, 0, 0, false);
    // The whole screen, title bar and all, also where no window manager
    // maximises windows; the single photo is fitted to this size.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->geometry());

    connect(m_model, &ViewerModel::currentChanged, this, &FrmFoto::DatImagen_Reposition);
    DatImagen->setRecordset(m_model->photos());
    // Without photos neither view has anything to show: the window says so.
    if (!hasPhotos())
        m_single->showNoPhoto(Placeholder::NoPhotos);

    // The keys go to the photos: the window itself, the photo area, has the
    // first focus and takes it back when a photo or the ground is clicked.
    modcol::keepKeysInWindow(this);
}

FrmFoto::~FrmFoto() = default;

int FrmFoto::GetOfeFoto(int Clave, bool Detalle, int NivelCompre)
{
    Q_UNUSED(Detalle)
    prepare(Clave, NivelCompre);
    exec();
    return fotoElegida();
}

void FrmFoto::openOn(int Clave, int NivelCompre)
{
    prepare(Clave, NivelCompre);
    open();
}

int FrmFoto::fotoElegida() const
{
    return m_model->fotoElegida();
}

FrmFoto::Internals FrmFoto::internalsForTests()
{
    return {*m_model, *m_slideshow, *m_pointer};
}

void FrmFoto::prepare(int Clave, int NivelCompre)
{
    modcol::endOnFailure([&] {
        Nivel = NivelCompre;
        if (NivelCompre > 0)
            ConNivel = true;
        m_model->setFotoElegida(0);
        if (!hasPhotos())
            return;
        if (Clave > 0) {
            OptAcc[0]->setChecked(true);
            m_model->goToPhoto(Clave);
        } else {
            m_model->goToPhoto(0);
            OptAcc[1]->setChecked(true);
        }
        m_model->setFotoElegida(0);
    });
}

bool FrmFoto::hasPhotos() const
{
    return m_model->hasPhotos();
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
    const int key = m_model->currentKey();
    EnDetalle = true;
    LlenaCeldas();
    m_model->MarcaFoto(key);
}

void FrmFoto::VistaUnaFoto()
{
    EnDetalle = false;
    FraDet->hide();
    FraFoto->show();
    int key = m_model->FotoMarcada();
    if (FormuListo && m_model->fotoElegida() > 0)
        key = m_model->fotoElegida();
    if (!FormuListo || m_model->fotoElegida() > 0)
        m_model->setFotoElegida(0);
    // The move shows the photo once the window is on screen.
    m_model->goToPhoto(key);
}

void FrmFoto::LlenaCeldas()
{
    m_single->removePhoto();
    m_grid->LlenaCeldas(CBFila->currentText().toInt(), CbCol->currentText().toInt());
}

int FrmFoto::cellCount() const
{
    return CBFila->currentText().toInt() * CbCol->currentText().toInt();
}

void FrmFoto::turnPage(int direction)
{
    // Nothing to page from: no photos, or the last fill found no photo file
    // and so left no first cell to start from.
    if (m_closing || !hasPhotos() || !m_model->turnPage(direction * cellCount()))
        return;
    LlenaCeldas();
}

void FrmFoto::DatImagen_Reposition()
{
    if (!FormuListo || EnDetalle || m_closing)
        return;
    modcol::endOnFailure([this] {
        m_grid->MuestraCeldas(false);
        m_single->Movimiento_Imagen();
    });
}

void FrmFoto::Check1_Click()
{
    if (Check1->isChecked()) {
        m_slideshow->start(CbSeg->currentText().toInt());
        DatImagen->setEnabled(false);
        m_pointer->watch();
    } else {
        m_slideshow->stop();
        DatImagen->setEnabled(true);
        m_pointer->stop();
    }
}

void FrmFoto::TxtZoom_Enter()
{
    TxtZoom->percent(QStringLiteral("10"));
    m_single->fitAndZoom();
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
    m_grid->MuestraCeldas(true);
    m_model->markCell(i - 1);
}

void FrmFoto::Img_DblClick(int i)
{
    if (m_closing || !hasPhotos())
        return;
    // The photo double-clicked, which its first click has marked: a cell's,
    // or the photo shown, also when the grid never marked it.
    const int key = i == 0 ? m_model->shownKey() : m_model->page()[i - 1].key;
    m_model->setFotoElegida(key);
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
    m_model->setFotoElegida(key);
    done(QDialog::Accepted);
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
    m_slideshow->stop();
    m_pointer->stop();
    forgetPictures();
    Nivel = 0;
    ConNivel = false;
    QDialog::done(result);
}

void FrmFoto::forgetPictures()
{
    m_grid->forgetPictures();
    m_single->forgetPicture();
}

void FrmFoto::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (FormuListo)
        return;
    FormuListo = true;
    if (OptAcc[0]->isChecked())
        modcol::endOnFailure([this] { m_single->Movimiento_Imagen(); });
}

void FrmFoto::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_grid)
        m_grid->setGeometry(rect());
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
        EnDetalle ? m_model->moveMark(-1) : stepPhotos(Step::Previous);
        break;
    case Qt::Key_Right:
        EnDetalle ? m_model->moveMark(1) : stepPhotos(Step::Next);
        break;
    case Qt::Key_Up:
        if (EnDetalle)
            m_model->moveMark(-m_grid->columns());
        break;
    case Qt::Key_Down:
        if (EnDetalle)
            m_model->moveMark(m_grid->columns());
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

} // namespace viewer

#include "card/frmficha.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>

#include "card/clsdialog.h"
#include "card/logging.h"
#include "card/photoextraction.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "catalogue/rounding.h"
#include "pictures/pictureloader.h"
#include "startup/failure.h"
#include "startup/modcol.h"
#include "statements/statements.h"
#include "viewer/frmfoto.h"
#include "viewer/placeholder.h"
#include "widgets/boxfit.h"
#include "widgets/colours.h"
#include "widgets/formscaling.h"
#include "widgets/keys.h"
#include "widgets/priceformat.h"
#include "widgets/recordnavigator.h"

using namespace modcol;

namespace card {
namespace {

constexpr int PriceBox = 4;
constexpr int LastFieldBox = 21;

// Each box's column, in the order the boxes are filled. Box 13, under
// "Mt. Parcela", shows m_cons and box 14, under "Mt. Const.", m_parcela:
// catalogues were written for that placement.
const struct
{
    int box;
    const char *column;
} FieldMap[] = {
    {1, "Tipo_Ofer"},     {2, "ciudad"},     {3, "zona"},          {5, "ref"},          {4, "precioinmo"},
    {16, "aseos"},        {19, "baños"},     {18, "numplanta"},    {17, "habdobles"},   {20, "habitaciones"},
    {21, "salon"},        {6, "txtconser"},  {7, "suelo"},         {8, "vistas"},       {9, "orientacion"},
    {10, "carpinteria"},  {11, "carpinext"}, {12, "m_uties"},      {13, "m_cons"},      {14, "m_parcela"},
    {15, "mtfachada"},
};

QString priceText(const QVariant &price)
{
    bool isNumber = false;
    const double value = price.toDouble(&isNumber);
    return price.isNull() || !isNumber ? QString() : formatEuros(value);
}

// A quality applies when its column holds anything but False (a Boolean
// False or the number 0): Null too.
bool applies(const QVariant &value)
{
    if (value.isNull())
        return true;
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    return !isNumber || number != 0;
}

// Whether a box shows its whole text: a line edit draws it within its
// frame, 2 pixels in from either side, with a pixel for the cursor.
bool showsWhole(const QLineEdit *box)
{
    constexpr int Margins = 2 * 2 + 1;
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
    return box->fontMetrics().horizontalAdvance(box->text()) + Margins <= room.width();
}

} // namespace

frmficha::frmficha(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_client(new QWidget(this))
    , m_menu(new QMenuBar(this))
    , m_controls(placeCardControls(m_client))
    , Timer1(new QTimer(this))
    , m_loader(new PictureLoader(this))
    , m_folderChooser([](QWidget *owner) { return clsdialog().Selec_Dir(owner); })
{
    setObjectName(QStringLiteral("frmficha"));
    setWindowTitle(QStringLiteral("FICHA COLABORADOR"));
    setBackColour(this, Qt::white);

    // One entry in the window's own bar, never moved to a desktop's global menu.
    m_menu->setNativeMenuBar(false);
    mextraefotos = m_menu->addAction(QStringLiteral("Extraer Fotos"));
    mextraefotos->setObjectName(QStringLiteral("mextraefotos"));
    connect(mextraefotos, &QAction::triggered, this, &frmficha::mextraefotos_Click);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, &frmficha::Timer1_Timer);
    connect(m_loader, &PictureLoader::loaded, this, [this](int, const Picture &picture) { photoLoaded(picture); });

    connect(m_controls.datprincip, &RecordNavigator::Reposition, this, &frmficha::datprincip_Reposition);
    connect(m_controls.DatImagen, &RecordNavigator::Reposition, this, &frmficha::DatImagen_Reposition);
    connect(m_controls.Command1, &QPushButton::clicked, this, &frmficha::Command1_Click);
    connect(m_controls.botcerrar, &QPushButton::clicked, this, &QDialog::reject);

    Load();

    // The keys go to the navigators: the card itself has the first focus and
    // takes it back when its photo or its ground is clicked.
    keepKeysInWindow(this);
}

frmficha::~frmficha() = default;

void frmficha::Load()
{
    resize(twipsToPixels(11475), twipsToPixels(6585));
    AjustaFormu(this, 0, 0, false);
    // The menu bar lies above the design's area.
    const int menuHeight = m_menu->sizeHint().height();
    m_menu->setGeometry(0, 0, width(), menuHeight);
    m_client->setGeometry(0, menuHeight, width(), height());
    setFixedSize(width(), height() + menuHeight);
    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());

    // A card opened before the catalogue was, or on one that shows no
    // tables, opens it again. (No statement can have read a catalogue
    // without tables, so no record set outlives the one replaced.)
    skipFailure(lcCard(), [] {
        if (BaseDatos && BaseDatos->TableDefCount() > 0)
            return;
        BaseDatos.reset();
        AbreBaseDatos();
    });

    altoFoto = int(catalogue::nearestEven(pixelsToTwips(m_controls.Image1->height())));
    anchoFoto = float(pixelsToTwips(m_controls.Image1->width()));
}

int frmficha::VerFormu(const QString &Where, int Codigo, std::unique_ptr<catalogue::Recordset> offers)
{
    showOffers(Where, Codigo, std::move(offers));
    exec();
    return posActual;
}

void frmficha::showOffers(const QString &Where, int Codigo, std::unique_ptr<catalogue::Recordset> offers)
{
    if (!offers)
        offers = baseDatos().OpenRecordset(cardOffersStatement(Where));
    m_controls.datprincip->setRecordset(std::move(offers));
    m_controls.datprincip->recordset()->FindFirst(QStringLiteral("ofertas.cod_ofer=%1").arg(Codigo));
}

frmficha::TestAccess frmficha::testAccess()
{
    return {m_controls, mextraefotos, Timer1, m_loader, m_folderChooser};
}

QStringList frmficha::TestAccess::boxes() const
{
    QStringList texts;
    for (int box = 1; box <= LastFieldBox; ++box)
        texts << controls.txtcampo[box]->text();
    return texts << controls.txtcampo22->toPlainText();
}

void frmficha::keyPressEvent(QKeyEvent *event)
{
    using Step = RecordNavigator::Step;
    RecordNavigator *offers = m_controls.datprincip;
    RecordNavigator *photos = m_controls.DatImagen;
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageUp:
        offers->step(Step::Previous);
        break;
    case Qt::Key_PageDown:
        offers->step(Step::Next);
        break;
    case Qt::Key_Home:
        (control ? offers : photos)->step(Step::First);
        break;
    case Qt::Key_End:
        (control ? offers : photos)->step(Step::Last);
        break;
    case Qt::Key_Left:
        photos->step(Step::Previous);
        break;
    case Qt::Key_Right:
        photos->step(Step::Next);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmficha::done(int result)
{
    Timer1->stop();
    m_loader->cancelAll();
    QDialog::done(result);
}

catalogue::Recordset *frmficha::currentOffer() const
{
    return m_offer && m_offer->AbsolutePosition() >= 0 ? m_offer.get() : nullptr;
}

void frmficha::datprincip_Reposition()
{
    catalogue::Recordset *offers = m_controls.datprincip->recordset();
    if (!offers)
        return;
    // The navigator walks the offers' keys; the offer shown is read whole.
    m_offer.reset();
    skipFailure(lcCard(), [&] { m_offer = baseDatos().OpenRecordset(cardStatement(offers->Fields(0).Value.toInt())); });
    MuestraFicha(m_offer ? *m_offer : *offers);
    posActual = offers->AbsolutePosition() + 1;
}

void frmficha::MuestraFicha(catalogue::Recordset &rs)
{
    for (int box = 1; box <= LastFieldBox; ++box) {
        m_controls.txtcampo[box]->clear();
        m_controls.txtcampo[box]->setToolTip(QString());
    }
    for (const auto &field : FieldMap) {
        skipFailure(lcCard(), [&] {
            const QVariant value = rs.Fields(QString::fromUtf8(field.column)).Value;
            QLineEdit *box = m_controls.txtcampo[field.box];
            box->setText(field.box == PriceBox ? priceText(value) : catalogue::numberAsText(value));
            // A text longer than its box shows its beginning, and the whole
            // text as a tool tip, in which markup is shown as written.
            box->setCursorPosition(0);
            box->setToolTip(showsWhole(box) ? QString() : Qt::convertFromPlainText(box->text(), Qt::WhiteSpaceNormal));
        });
    }
    CargaCalidades(rs);
}

void frmficha::CargaCalidades(catalogue::Recordset &rs)
{
    QStringList qualities;
    skipFailure(lcCard(), [&] {
        const auto auxcalid = baseDatos().OpenRecordset(qualitiesStatement());
        for (; !auxcalid->Eof(); auxcalid->MoveNext()) {
            skipFailure(lcCard(), [&] {
                const QString column = catalogue::numberAsText(auxcalid->Fields(QStringLiteral("nbcampo")).Value);
                const QString text = catalogue::numberAsText(auxcalid->Fields(QStringLiteral("nbtexto")).Value);
                if (applies(rs.Fields(column).Value) && !text.isEmpty())
                    qualities << text;
            });
        }
    });
    m_controls.txtcampo22->setPlainText(qualities.join(QStringLiteral(", ")));
    // Without a current offer the photos of the offer shown before stay bound.
    skipFailure(lcCard(), [&] {
        const int codOfer = rs.Fields(0).Value.toInt();
        m_controls.DatImagen->setRecordset(baseDatos().OpenRecordset(cardPhotosStatement(codOfer)));
    });
}

void frmficha::DatImagen_Reposition()
{
    Timer1->stop();
    // A photo still loading belongs to the photo or offer left behind.
    m_loader->cancelAll();
    catalogue::Recordset *photos = m_controls.DatImagen->recordset();
    rutaFoto.clear();
    if (photos && photos->RecordCount() > 0) {
        // A photo whose path cannot be read is a missing photo.
        skipFailure(lcCard(), [&] { rutaFoto = catalogue::numberAsText(photos->Fields(QStringLiteral("ruta")).Value); });
        bool current = false;
        skipFailure(lcCard(), [&] { current = photos->AbsolutePosition() >= 0 && !photos->Fields(0).Value.isNull(); });
        if (!current)
            return;
    }
    Timer1->start();
}

void frmficha::Timer1_Timer()
{
    Timer1->stop();
    CargaFoto();
}

void frmficha::CargaFoto()
{
    const QString path = photoFile(baseFolders(), rutaFoto);
    if (path.isEmpty()) {
        // No photo, or its file is missing: the picture of another photo
        // or offer must not stay on this offer's card.
        if (!rutaFoto.isEmpty())
            qCDebug(lcCard) << "photo file missing:" << rutaFoto;
        showNoPhoto();
        return;
    }
    const QSize box(twipsToPixels(anchoFoto), twipsToPixels(altoFoto));
    m_loader->request(0, path, box * devicePixelRatioF(), PictureFit::KeepAspect);
}

void frmficha::photoLoaded(const Picture &picture)
{
    if (picture.image.isNull()) {
        showNoPhoto();
        return;
    }
    m_controls.Image1->setPixmap(devicePixmap(picture.image, devicePixelRatioF()));
    AjustaFoto(picture.size);
}

void frmficha::showNoPhoto()
{
    QLabel *box = m_controls.Image1;
    box->clear();
    // A card without an offer shows nothing at all.
    const catalogue::Recordset *photos = m_controls.DatImagen->recordset();
    if (!photos)
        return;
    box->resize(twipsToPixels(anchoFoto), twipsToPixels(altoFoto));
    viewer::showPlaceholder(box, photos->RecordCount() > 0 ? viewer::Placeholder::PhotoUnavailable
                                                            : viewer::Placeholder::NoPhotos);
}

void frmficha::AjustaFoto(QSize picture)
{
    const QSize box = fitInBox(picture, QSize(int(catalogue::nearestEven(anchoFoto)), altoFoto), FitTie::KeepWidth);
    if (!box.isEmpty())
        m_controls.Image1->resize(twipsToPixels(box.width()), twipsToPixels(box.height()));
}

void frmficha::Command1_Click()
{
    catalogue::Recordset *offers = currentOffer();
    catalogue::Recordset *photos = m_controls.DatImagen->recordset();
    if (!offers || !photos || photos->RecordCount() <= 0)
        return;
    int codOfer = 0;
    int currentKey = 0;
    skipFailure(lcCard(), [&] {
        codOfer = offers->Fields(0).Value.toInt();
        currentKey = photos->Fields(0).Value.toInt();
    });
    // A fresh viewer each time, released only after its answer is read.
    viewer::FrmFoto photoViewer(codOfer, this);
    const int picked = photoViewer.GetOfeFoto(currentKey);
    // The keys come back to the card, also where no window manager hands
    // the focus back to it.
    activateWindow();
    if (picked != 0)
        skipFailure(lcCard(), [&] { photos->FindFirst(QStringLiteral("codfoto=%1").arg(picked)); });
}

void frmficha::mextraefotos_Click()
{
    // A card without an offer has no photos to copy.
    const catalogue::Recordset *offers = currentOffer();
    if (!offers)
        return;
    const QString folder = m_folderChooser(this);
    if (folder.isEmpty())
        return;
    QStringList paths;
    skipFailure(lcCard(), [&] {
        const auto photos = baseDatos().OpenRecordset(extractionPhotosStatement(offers->Fields(0).Value.toInt()));
        for (; !photos->Eof(); photos->MoveNext())
            paths << catalogue::numberAsText(photos->Fields(QStringLiteral("ruta")).Value);
    });
    const ExtractionCount count = extractPhotos(paths, LimpiaReferencia(), folder, baseFolders());
    QMessageBox::information(this, ApplicationTitle, extractionMessage(count, folder));
}

QString frmficha::LimpiaReferencia() const
{
    return cleanReference(m_controls.txtcampo[5]->text());
}

} // namespace card

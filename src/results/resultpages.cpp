#include "results/resultpages.h"

#include <algorithm>

#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "catalogue/rounding.h"
#include "pictures/pictureloader.h"
#include "results/logging.h"
#include "results/pictures.h"
#include "results/thumbnail.h"
#include "startup/failure.h"
#include "startup/modcol.h"
#include "statements/statements.h"
#include "widgets/afterpainting.h"
#include "widgets/clicklabel.h"
#include "widgets/colours.h"
#include "widgets/formscaling.h"
#include "widgets/priceformat.h"

using namespace modcol;

namespace results {

namespace {

// Design positions on the window, in twips. The grid's widget starts at the
// window's left edge and at the top of the first row, so the columns keep
// the window's positions and the rows move up by GridTop; it ends with the
// scroll bar, at the bar's right and bottom edges.
constexpr int GridTop = 960;
constexpr int CellLeft[ResultPages::Columns] = {240, 3360, 6480, 9720};
constexpr int ImageTop[ResultPages::Rows] = {960, 3480, 6000};
constexpr int PriceTop[ResultPages::Rows] = {2565, 5080, 7600};
constexpr int CellWidth = 1935;
constexpr int ImageHeight = 1575;
constexpr int PriceHeight = 255;
constexpr int BarLeft = 240;
constexpr int BarTop = 8040;
constexpr int BarWidth = 11415;
constexpr int BarHeight = 375;

// The pages that `n` offers fill (n above 0), the smallest whole number not
// below n / CellsPerPage; also the 1-based page that holds the offer at
// 1-based position `n`. 64 bits keep the largest count from overflowing.
int pageCount(int n)
{
    constexpr int Cells = ResultPages::CellsPerPage;
    return int((qint64(n) + Cells - 1) / Cells);
}

QString priceText(const QVariant &price)
{
    bool converted = false;
    const double whole = catalogue::nearestEven(price.toDouble(&converted));
    if (!converted || whole == 0)
        return QStringLiteral("Consultar");
    return modcol::formatEuros(whole);
}

modcol::ClickLabel *addCellPart(QWidget *grid, const QString &name, int left, int top, int height)
{
    auto *part = new modcol::ClickLabel(grid);
    part->setObjectName(name);
    part->setCursor(handCursor());
    placeControl(part, left, top - GridTop, CellWidth, height);
    part->hide();
    return part;
}

} // namespace

ResultPages::ResultPages(std::function<QString()> MontaFiltro, QWidget *parent)
    : QWidget(parent)
    , m_montaFiltro(std::move(MontaFiltro))
    , barra(new QScrollBar(Qt::Horizontal, this))
    , m_thumbnails(new PictureLoader(this))
{
    setObjectName(QStringLiteral("resultGrid"));
    placeControl(this, 0, GridTop, BarLeft + BarWidth, BarTop + BarHeight - GridTop);
    for (int i = 0; i < CellsPerPage; ++i) {
        // Cell i lies in column i mod Columns and row i div Columns: 0 to 3 are the top row.
        const int left = CellLeft[i % Columns];
        const int row = i / Columns;
        imagen[i] = addCellPart(this, QStringLiteral("imagen%1").arg(i), left, ImageTop[row], ImageHeight);
        imagen[i]->setScaledContents(true);

        lbprecio[i] = addCellPart(this, QStringLiteral("lbprecio%1").arg(i), left, PriceTop[row], PriceHeight);
        lbprecio[i]->setAlignment(Qt::AlignCenter);
        lbprecio[i]->setTextFormat(Qt::PlainText);
        setTextColour(lbprecio[i], Qt::white);
        setDesignFont(lbprecio[i], 9.75);

        connect(imagen[i], &modcol::ClickLabel::clicked, this, [this, i] { imagen_Click(i); });
        connect(lbprecio[i], &modcol::ClickLabel::clicked, this, [this, i] { imagen_Click(i); });
    }

    barra->setObjectName(QStringLiteral("barra"));
    // The page changes when a drag ends, not at every step of it.
    barra->setTracking(false);
    barra->setRange(1, 1);
    barra->setPageStep(1);
    placeControl(barra, BarLeft, BarTop - GridTop, BarWidth, BarHeight);
    barra->hide();
    connect(barra, &QScrollBar::valueChanged, this, &ResultPages::barra_Change);
    connect(m_thumbnails, &PictureLoader::loaded, this, &ResultPages::showThumbnail);
}

ResultPages::~ResultPages() = default;

void ResultPages::newSearch()
{
    Pagina = 0;
    m_offers.reset();
    MuestraPagina();
}

catalogue::Recordset &ResultPages::searchOffers(const QString &where)
{
    const QString sql = searchStatement(where);
    if (!m_offers || sql != m_offersStatement) {
        m_offers = baseDatos().OpenRecordset(sql);
        m_offersStatement = sql;
        m_offersCounted = false;
    }
    return *m_offers;
}

void ResultPages::MuestraPagina()
{
    // The thumbnails of the page left are of no use to the page shown.
    m_thumbnails->cancelAll();
    const QString where = m_montaFiltro();
    catalogue::Recordset &rs = searchOffers(where);
    m_whereOnScreen = where;
    int filled = 0;
    if (rs.Eof()) {
        window()->setWindowTitle(ApplicationTitle);
        barra->hide();
    } else {
        // The first page is there before a large search is counted: the
        // count follows once the page is drawn.
        if (Pagina == 0 && !m_offersCounted) {
            barra->hide();
            callAfterPainting(this, [this, counted = QPointer<catalogue::Recordset>(&rs)] {
                if (counted)
                    endOnFailure([&] { countPages(*counted); });
            });
        } else {
            countPages(rs);
        }
        rs.MoveFirst();
        rs.Move(Pagina * CellsPerPage);
        for (; !rs.Eof() && filled < CellsPerPage; ++filled) {
            CargaCelda(rs, filled);
            rs.MoveNext();
        }
        window()->setWindowTitle(ApplicationTitle + QStringLiteral("  ( Página %1 )").arg(Pagina + 1));
    }
    OcultaCeldas(filled);
}

void ResultPages::countPages(catalogue::Recordset &rs)
{
    NumPaginas = pageCount(rs.RecordCount());
    // Filters edited without "Buscar" may find fewer pages than the one asked for.
    Pagina = std::clamp(Pagina, 0, std::max(NumPaginas - 1, 0));
    {
        // Setting the range and the page is no page change.
        const QSignalBlocker blocker(barra);
        barra->setRange(1, NumPaginas);
        barra->setValue(Pagina + 1);
    }
    barra->setVisible(NumPaginas > 1);
    m_offersCounted = true;
}

ResultPages::TestAccess ResultPages::testAccess() const
{
    return {imagen, lbprecio, m_cellKeys, barra, m_thumbnails};
}

std::unique_ptr<catalogue::Recordset> ResultPages::offersOnScreen() const
{
    return m_offers ? m_offers->Clone() : nullptr;
}

void ResultPages::showPageHolding(int position)
{
    if (position <= 0)
        return;
    const int page = pageCount(position) - 1;
    if (page == Pagina)
        return;
    Pagina = page;
    MuestraPagina();
}

void ResultPages::CargaCelda(catalogue::Recordset &rs, int i)
{
    int codOfer = 0;
    skipFailure(lcResults(), [&] { codOfer = rs.Fields(0).Value.toInt(); });
    skipFailure(lcResults(), [&] { loadThumbnail(i, codOfer); });
    skipFailure(lcResults(), [&] { lbprecio[i]->setText(priceText(rs.Fields(QStringLiteral("precioinmo")).Value)); });
    m_cellKeys[i] = codOfer;
    imagen[i]->show();
    lbprecio[i]->show();
}

void ResultPages::loadThumbnail(int i, int codOfer)
{
    imagen[i]->clear();
    const auto photos = baseDatos().OpenRecordset(firstPhotoStatement(codOfer));
    if (photos->RecordCount() == 0)
        return;
    // Decoded off the window's thread; the cell shows it when it comes.
    const QString ruta = catalogue::numberAsText(photos->Fields(0).Value);
    m_thumbnails->request(i, thumbnailFile(baseFolders(), codOfer, ruta),
                          imagen[i]->size() * imagen[i]->devicePixelRatioF(), PictureFit::Stretch);
}

void ResultPages::OcultaCeldas(int desde)
{
    for (int i = desde; i < CellsPerPage; ++i) {
        imagen[i]->hide();
        m_cellKeys[i] = 0;
        lbprecio[i]->hide();
    }
}

void ResultPages::imagen_Click(int i)
{
    emit offerClicked(m_whereOnScreen, m_cellKeys[i]);
}

void ResultPages::showThumbnail(int cell, const Picture &picture)
{
    if (!picture.image.isNull())
        imagen[cell]->setPixmap(devicePixmap(picture.image, imagen[cell]->devicePixelRatioF()));
}

void ResultPages::barra_Change(int value)
{
    Pagina = value - 1;
    endOnFailure([this] { MuestraPagina(); });
}

} // namespace results

#include "results/resultpages.h"

#include <algorithm>

#include <QScrollBar>
#include <QSignalBlocker>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "catalogue/rounding.h"
#include "startup/priceformat.h"
#include "results/logging.h"
#include "results/pagearithmetic.h"
#include "results/pictures.h"
#include "startup/statements.h"
#include "results/thumbnail.h"
#include "startup/clicklabel.h"
#include "startup/failure.h"
#include "startup/formscaling.h"
#include "startup/modcol.h"
#include "startup/pictureloader.h"

using namespace modcol;

namespace results {

namespace {

// Design positions of the grid, in twips.
constexpr int CellLeft[] = {240, 3360, 6480, 9720};
constexpr int ImageTop[] = {960, 3480, 6000};
constexpr int PriceTop[] = {2565, 5080, 7600};
constexpr int CellWidth = 1935;
constexpr int ImageHeight = 1575;
constexpr int PriceHeight = 255;

QString priceText(const QVariant &precio)
{
    bool converted = false;
    const double whole = catalogue::nearestEven(precio.toDouble(&converted));
    if (!converted || whole == 0)
        return QStringLiteral("Consultar");
    return modcol::formatEuros(whole);
}

} // namespace

ResultPages::ResultPages(QWidget *window, std::function<QString()> MontaFiltro)
    : QObject(window)
    , m_window(window)
    , m_montaFiltro(std::move(MontaFiltro))
    , m_barra(new QScrollBar(Qt::Horizontal, window))
    , m_thumbnails(new PictureLoader(this))
{
    QPalette white = window->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    for (int i = 0; i < CellsPerPage; ++i) {
        const int left = CellLeft[i % 4];
        auto *imagen = new modcol::ClickLabel(window);
        imagen->setObjectName(QStringLiteral("imagen%1").arg(i));
        imagen->setScaledContents(true);
        imagen->setCursor(handCursor());
        placeControl(imagen, left, ImageTop[i / 4], CellWidth, ImageHeight);
        imagen->hide();

        auto *lbprecio = new modcol::ClickLabel(window);
        lbprecio->setObjectName(QStringLiteral("lbprecio%1").arg(i));
        lbprecio->setAlignment(Qt::AlignCenter);
        lbprecio->setTextFormat(Qt::PlainText);
        lbprecio->setPalette(white);
        lbprecio->setCursor(handCursor());
        placeControl(lbprecio, left, PriceTop[i / 4], CellWidth, PriceHeight);
        setDesignFont(lbprecio, 9.75);
        lbprecio->hide();

        m_celdas[i] = {imagen, lbprecio, QString()};
        connect(imagen, &modcol::ClickLabel::clicked, this, [this, i] { celda_Click(i); });
        connect(lbprecio, &modcol::ClickLabel::clicked, this, [this, i] { celda_Click(i); });
    }

    m_barra->setObjectName(QStringLiteral("barra"));
    // The page changes when a drag ends, not at every step of it.
    m_barra->setTracking(false);
    m_barra->setRange(1, 1);
    m_barra->setPageStep(1);
    placeControl(m_barra, 240, 8040, 11415, 375);
    m_barra->hide();
    connect(m_barra, &QScrollBar::valueChanged, this, &ResultPages::barra_Change);
    connect(m_thumbnails, &PictureLoader::loaded, this, &ResultPages::showThumbnail);
}

ResultPages::~ResultPages() = default;

void ResultPages::Busca()
{
    m_pagina = 0;
    m_busqueda.reset();
    MuestraPagina();
}

catalogue::Recordset &ResultPages::busqueda(const QString &where)
{
    const QString sql = searchStatement(where);
    if (!m_busqueda || sql != m_sqlBusqueda) {
        m_busqueda = BaseDatos->OpenRecordset(sql);
        m_sqlBusqueda = sql;
    }
    return *m_busqueda;
}

void ResultPages::MuestraPagina()
{
    m_cargando = true;
    // The thumbnails of the page left are of no use to the page shown.
    m_thumbnails->cancelAll();
    const QString where = m_montaFiltro();
    catalogue::Recordset &rs = busqueda(where);
    m_whereEnPantalla = where;
    int c = 0;
    if (rs.RecordCount() == 0) {
        m_window->setWindowTitle(ApplicationTitle);
        m_barra->hide();
    } else {
        m_numPaginas = pageCount(rs.RecordCount());
        m_pagina = clampPage(m_pagina, m_numPaginas);
        {
            const QSignalBlocker blocker(m_barra);
            m_barra->setRange(1, m_numPaginas);
            m_barra->setValue(m_pagina + 1);
        }
        m_barra->setVisible(m_numPaginas > 1);
        rs.MoveFirst();
        rs.Move(m_pagina * CellsPerPage);
        for (; !rs.Eof() && c < CellsPerPage; ++c) {
            CargaCelda(rs, c);
            rs.MoveNext();
        }
        m_window->setWindowTitle(ApplicationTitle + QStringLiteral("  ( Página %1 )").arg(m_pagina + 1));
    }
    OcultaCeldas(c);
    m_cargando = false;
}

void ResultPages::CargaCelda(catalogue::Recordset &rs, int i)
{
    Celda &celda = m_celdas[i];
    QString codOfer;
    skipFailure(lcResults(), [&] { codOfer = catalogue::numberAsText(rs.Fields(0).Value); });
    skipFailure(lcResults(), [&] {
        celda.imagen->clear();
        celda.ticket = 0;
        const auto ph = BaseDatos->OpenRecordset(firstPhotoStatement(codOfer.toInt()));
        if (ph->RecordCount() > 0) {
            // Decoded off the window's thread; the cell shows it when it comes.
            const QString ruta = catalogue::numberAsText(ph->Fields(0).Value);
            celda.ticket = m_thumbnails->request(thumbnailFile(baseFolders(), codOfer, ruta),
                                                 celda.imagen->size() * celda.imagen->devicePixelRatioF(),
                                                 PictureFit::Stretch);
        }
    });
    skipFailure(lcResults(), [&] { celda.lbprecio->setText(priceText(rs.Fields(QStringLiteral("precioinmo")).Value)); });
    celda.Tag = codOfer;
    celda.imagen->show();
    celda.lbprecio->show();
}

void ResultPages::OcultaCeldas(int desde)
{
    for (int i = desde; i < CellsPerPage; ++i) {
        m_celdas[i].imagen->hide();
        m_celdas[i].Tag.clear();
        m_celdas[i].lbprecio->hide();
    }
}

void ResultPages::celda_Click(int i)
{
    // The record card opens here, on this offer among those of the page on
    // screen; on its return the page that holds its last offer is shown.
    emit ofertaPulsada(m_whereEnPantalla, m_celdas[i].Tag.toInt());
}

void ResultPages::showThumbnail(int ticket, const Picture &picture)
{
    const auto celda = std::find_if(m_celdas.begin(), m_celdas.end(), [ticket](const Celda &c) { return c.ticket == ticket; });
    if (celda == m_celdas.end())
        return;
    celda->ticket = 0;
    if (picture.image.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(picture.image);
    pixmap.setDevicePixelRatio(celda->imagen->devicePixelRatioF());
    celda->imagen->setPixmap(pixmap);
}

void ResultPages::barra_Change(int value)
{
    if (m_cargando)
        return;
    m_pagina = value - 1;
    endOnFailure([this] { MuestraPagina(); });
}

} // namespace results

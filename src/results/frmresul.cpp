#include "results/frmresul.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "card/frmficha.h"
#include "results/frmbrezomar.h"
#include "results/resultpages.h"
#include "results/searchfilters.h"
#include "results/startpanel.h"
#include "startup/cataloguepaths.h"
#include "startup/failure.h"
#include "startup/formscaling.h"
#include "startup/modcol.h"

using namespace modcol;

namespace results {

frmresul::frmresul(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmresul"));
    setWindowTitle(ApplicationTitle);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(40, 130, 164));
    setPalette(background);
    resize(twipsToPixels(11880), twipsToPixels(8490));

    // Created in tab order; the start panel lies over the grid.
    m_filtros = new SearchFilters(this);
    m_paginas = new ResultPages(this, [this] { return m_filtros->MontaFiltro(true); });
    m_frmimagen = new StartPanel(this);

    auto *botcerrar = new QPushButton(QStringLiteral("Command1"), this);
    botcerrar->setObjectName(QStringLiteral("botcerrar"));
    botcerrar->setFocusPolicy(Qt::NoFocus);
    botcerrar->setAutoDefault(false);
    placeControl(botcerrar, -1000, 960, 255, 495);
    connect(botcerrar, &QPushButton::clicked, this, &frmresul::botcerrar_Click);
    auto *cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cancel, &QShortcut::activated, botcerrar, &QPushButton::click);

    connect(m_filtros, &SearchFilters::buscar, this, &frmresul::botbuscar_Click);
    connect(m_frmimagen, &StartPanel::fabricantePulsado, this, &frmresul::Image1_Click);
    connect(m_frmimagen, &StartPanel::masInformacionPulsada, this, &frmresul::Label4_Click);
    connect(m_paginas, &ResultPages::ofertaPulsada, this, &frmresul::celda_Click);

    AjustaFormu(this, 0, 0, false);
    // The whole screen also where no window manager maximises windows.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    m_frmimagen->muestraInmobiliaria(NombreInmo, existingFile(RutaApp, QStringLiteral("logocolaborador.jpg")));
}

void frmresul::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_dispuesta)
        return;
    m_dispuesta = true;
    // Once the window is on screen and its first resizes are through.
    QMetaObject::invokeMethod(this, &frmresul::firstLayout, Qt::QueuedConnection);
}

void frmresul::firstLayout()
{
    endOnFailure([this] {
        AbreBaseDatos();
        m_filtros->fillTypeList();
    });
}

void frmresul::botbuscar_Click()
{
    m_frmimagen->hide();
    endOnFailure([this] { m_paginas->Busca(); });
}

void frmresul::botcerrar_Click()
{
    // Ends the program at once: nothing is asked, closed or saved.
    QCoreApplication::exit(0);
}

void frmresul::Image1_Click()
{
    frmbrezomar about(this);
    about.exec();
}

void frmresul::celda_Click(const QString &where, int codOfer)
{
    endOnFailure([&] {
        card::frmficha ficha(this);
        const int posicion = ficha.VerFormu(where, codOfer);
        m_paginas->muestraPosicion(posicion);
    });
}

void frmresul::Label4_Click()
{
    card::frmficha ficha(this);
    ficha.exec();
}

} // namespace results

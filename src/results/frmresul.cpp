#include "results/frmresul.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>

#include "card/frmficha.h"
#include "catalogue/database.h"
#include "catalogue/tablepreload.h"
#include "filelookup/cataloguepaths.h"
#include "results/frmbrezomar.h"
#include "results/resultpages.h"
#include "results/searchfilters.h"
#include "results/startpanel.h"
#include "startup/agencyfiles.h"
#include "startup/failure.h"
#include "startup/modcol.h"
#include "startup/offthread.h"
#include "widgets/colours.h"
#include "widgets/commandbutton.h"
#include "widgets/formscaling.h"

using namespace modcol;

namespace results {

frmresul::frmresul(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmresul"));
    setWindowTitle(ApplicationTitle);
    setBackColour(this, DesignColour::WindowBlue);
    resize(twipsToPixels(11880), twipsToPixels(8490));

    // Created in tab order; the start panel lies over the grid.
    m_filters = new SearchFilters(this);
    m_pages = new ResultPages([this] { return m_filters->MontaFiltro(true); }, this);
    frmimagen = new StartPanel(this);

    // The window's cancel button: Escape presses it. It lies outside the
    // window and never takes the focus, so it is never seen and Tab never
    // stops on it.
    botcerrar = new CommandButton(QStringLiteral("Command1"), this);
    botcerrar->setObjectName(QStringLiteral("botcerrar"));
    botcerrar->setFocusPolicy(Qt::NoFocus);
    placeControl(botcerrar, -1000, 960, 255, 495);
    connect(botcerrar, &QPushButton::clicked, this, &frmresul::botcerrar_Click);

    // Nothing to search until the first layout has read the catalogue.
    m_filters->setWaiting(true);
    setCursor(Qt::BusyCursor);
    connect(m_filters, &SearchFilters::searchRequested, this, &frmresul::botbuscar_Click);
    connect(frmimagen, &StartPanel::makerClicked, this, &frmresul::Image1_Click);
    connect(frmimagen, &StartPanel::moreInformationClicked, this, &frmresul::Label4_Click);
    connect(m_pages, &ResultPages::offerClicked, this, &frmresul::openCard);

    AjustaFormu(this, 0, 0, false);
    // The whole screen also where no window manager maximises windows.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    frmimagen->showAgency(NombreInmo, existingFile(RutaApp, AgencyLogoFile));
}

frmresul::TestAccess frmresul::testAccess() const
{
    return {m_filters, m_pages, frmimagen, botcerrar};
}

void frmresul::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_laidOut)
        return;
    m_laidOut = true;
    // Once the window is on screen and its first resizes are through.
    QMetaObject::invokeMethod(this, &frmresul::firstLayout, Qt::QueuedConnection);
}

void frmresul::keyPressEvent(QKeyEvent *event)
{
    // Escape that no control took. An open list, a menu or a message box
    // takes its own Escape before the window sees it (a window-wide shortcut
    // would not wait for them).
    if (event->key() == Qt::Key_Escape)
        botcerrar->click();
    else
        QWidget::keyPressEvent(event);
}

void frmresul::firstLayout()
{
    struct Opened
    {
        std::unique_ptr<catalogue::Database> database;
        FirstLists lists;
    };
    runOffThread(
        this,
        [cityClauses = m_filters->MontaFiltro(false)] {
            Opened opened{openWorkingCopy(), {}};
            opened.lists = SearchFilters::readFirstLists(*opened.database, cityClauses);
            return opened;
        },
        [this](Outcome<Opened> outcome) {
            endOnFailure([&] {
                Opened opened = outcome.take();
                // A card opened meanwhile opened the same catalogue for itself.
                if (!BaseDatos)
                    BaseDatos = std::move(opened.database);
                m_filters->showFirstLists(opened.lists);
                m_filters->setWaiting(false);
                preloadPhotos();
            });
        });
}

void frmresul::preloadPhotos()
{
    std::shared_ptr<catalogue::TablePreload> photos = baseDatos().preload(QStringLiteral("fotos"));
    if (!photos) {
        photosArrived();
        return;
    }
    runOffThread(
        this,
        [photos] {
            photos->run();
            return photos;
        },
        [this, loadedFor = &baseDatos()](Outcome<std::shared_ptr<catalogue::TablePreload>> outcome) {
            endOnFailure([&] {
                const auto loaded = outcome.take();
                // Only into the catalogue it was read from.
                if (BaseDatos.get() == loadedFor)
                    loadedFor->adopt(*loaded);
                photosArrived();
            });
        });
}

void frmresul::photosArrived()
{
    m_photosReady = true;
    unsetCursor();
    emit catalogueReady();
    if (m_searchWaiting) {
        m_searchWaiting = false;
        botbuscar_Click();
    }
}

void frmresul::botbuscar_Click()
{
    if (!m_photosReady) {
        // Searched once the photos are there, rather than loading them here.
        m_searchWaiting = true;
        return;
    }
    frmimagen->hide();
    endOnFailure([this] { m_pages->newSearch(); });
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

void frmresul::openCard(const QString &where, int codOfer)
{
    endOnFailure([&] {
        card::frmficha ficha(this);
        m_pages->showPageHolding(ficha.VerFormu(where, codOfer, m_pages->offersOnScreen()));
    });
}

void frmresul::Label4_Click()
{
    card::frmficha ficha(this);
    ficha.exec();
}

} // namespace results

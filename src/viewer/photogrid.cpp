#include "viewer/photogrid.h"

#include <QApplication>

#include "pictures/pictureloader.h"
#include "viewer/cellcaption.h"
#include "viewer/controlmeasures.h"
#include "viewer/logging.h"
#include "viewer/placeholder.h"
#include "viewer/viewermodel.h"
#include "widgets/clicklabel.h"
#include "widgets/colours.h"
#include "widgets/formscaling.h"

namespace viewer {

PhotoGrid::PhotoGrid(ViewerModel &model, const QWidget &closeButton, QWidget *window)
    : QWidget(window)
    , m_model(model)
    , m_closeButton(closeButton)
    , m_captionTemplate(new QLabel(this))
    , m_loader(new modcol::PictureLoader(this))
{
    // The captions' template: the default font, on the labels' own ground.
    // It is never shown itself.
    modcol::setBackColour(m_captionTemplate, QApplication::palette().color(QPalette::Window));
    modcol::placeControl(m_captionTemplate, 840, 2640, 1815, 495);
    modcol::setDesignFont(m_captionTemplate, 8.25, false);
    m_captionTemplate->hide();
    hide(); // until a page fills it
    connect(m_loader, &modcol::PictureLoader::loaded, this, &PhotoGrid::showPicture);
    connect(&m_model, &ViewerModel::marksChanged, this, &PhotoGrid::showMarks);
}

int PhotoGrid::ColocaCeldas(int rows, int columns)
{
    const std::vector<CellBoxes> layout = gridLayout(modcol::screenTwips(this), photoAreaTop(m_closeButton), rows,
                                                     columns, inTwips(m_captionTemplate->geometry()).height());
    m_columns = columns;
    while (m_cells.size() < layout.size())
        addCell();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        m_cells[i].image->hide();
        m_cells[i].image->setGeometry(inPixels(layout[i].image));
        m_cells[i].caption->setGeometry(inPixels(layout[i].caption));
    }
    return int(layout.size());
}

void PhotoGrid::LlenaCeldas(int rows, int columns)
{
    forgetPictures();
    m_model.readPage(ColocaCeldas(rows, columns));
    const std::vector<PagePhoto> &page = m_model.page();
    while (m_cells.size() > page.size())
        removeLastCell();
    for (std::size_t i = 0; i < page.size(); ++i) {
        LlenaCelda(m_cells[i], page[i]);
        m_loader->request(int(i) + 1, page[i].file, m_cells[i].image->size() * devicePixelRatioF(),
                          modcol::PictureFit::KeepAspect);
    }
    show();
}

void PhotoGrid::LlenaCelda(Cell &cell, const PagePhoto &photo)
{
    // Emptied first: a cell never shows another photo under this caption.
    cell.image->clear();
    cell.caption->setText(photo.caption);
    // A tool tip reads markup: the reference is shown as written.
    cell.image->setToolTip(QStringLiteral("<qt>Ref %1</qt>").arg(photo.reference.toHtmlEscaped()));
    cell.image->show();
    cell.caption->show();
}

void PhotoGrid::showPicture(int k, const modcol::Picture &picture)
{
    const Cell &cell = m_cells[k - 1];
    if (picture.image.isNull()) {
        qCDebug(lcViewer) << "no picture for cell" << k << "of the grid";
        showPlaceholder(cell.image, Placeholder::PhotoUnavailable);
        return;
    }
    cell.image->setPixmap(modcol::devicePixmap(picture.image, devicePixelRatioF()));
    EncajaCelda(cell, picture.size);
}

void PhotoGrid::EncajaCelda(const Cell &cell, QSize picture)
{
    const QRectF fitted =
        cellPicture(inTwips(cell.image->geometry()).size(), picture, inTwips(cell.caption->geometry()));
    if (!fitted.isEmpty())
        cell.image->setGeometry(inPixels(fitted));
}

void PhotoGrid::MuestraCeldas(bool Visible)
{
    m_model.unmarkCells();
    setVisible(Visible);
}

void PhotoGrid::forgetPictures()
{
    m_loader->cancelAll();
}

void PhotoGrid::showMarks()
{
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        const bool marked = int(i) == m_model.markedCell();
        const QFrame::Shape border = marked ? QFrame::Box : QFrame::NoFrame;
        m_cells[i].image->setFrameShape(border);
        m_cells[i].caption->setFrameShape(border);
        QFont font = m_cells[i].caption->font();
        font.setBold(marked);
        m_cells[i].caption->setFont(font);
    }
}

void PhotoGrid::addCell()
{
    const int k = int(m_cells.size()) + 1;
    auto *image = new modcol::ClickLabel(this);
    image->setObjectName(QStringLiteral("Img_%1").arg(k));
    image->setScaledContents(true);
    image->hide();
    connect(image, &modcol::ClickLabel::clicked, this, [this, k] { emit clicked(k); });
    connect(image, &modcol::ClickLabel::doubleClicked, this, [this, k] { emit doubleClicked(k); });

    auto *caption = new CellCaption(this);
    caption->setObjectName(QStringLiteral("Dato_%1").arg(k));
    caption->setTextFormat(Qt::PlainText);
    caption->setFont(m_captionTemplate->font());
    caption->setPalette(m_captionTemplate->palette());
    caption->setAutoFillBackground(true);
    caption->hide();
    m_cells.push_back({image, caption});
}

void PhotoGrid::removeLastCell()
{
    delete m_cells.back().image;
    delete m_cells.back().caption;
    m_cells.pop_back();
}

} // namespace viewer

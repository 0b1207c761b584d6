// The grid view: cells laid out from the screen's size, a page of photos
// filled from the photo list, each photo fitted into its cell when its
// picture arrives, the mark, and paging.
#include "viewer/frmfoto.h"

#include <QComboBox>
#include <QLabel>

#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "catalogue/rounding.h"
#include "filelookup/cataloguepaths.h"
#include "widgets/clicklabel.h"
#include "startup/failure.h"
#include "startup/modcol.h"
#include "viewer/cellcaption.h"
#include "viewer/controlmeasures.h"
#include "viewer/inputhold.h"
#include "viewer/logging.h"
#include "viewer/viewergeometry.h"

namespace viewer {
namespace {

// A step of the fill that fails is skipped and the next one runs.
template <typename Step>
void skip(Step &&step)
{
    modcol::skipFailure(lcViewer(), std::forward<Step>(step));
}

QString columnText(const catalogue::Recordset &rs, const char *column)
{
    return catalogue::numberAsText(rs.Fields(QLatin1String(column)).Value);
}

} // namespace

int FrmFoto::ColocaCeldas()
{
    EnDetalle = true;
    const int rows = CBFila->currentText().toInt();
    const int columns = CbCol->currentText().toInt();
    const GridLayout grid =
        gridLayout(modcol::screenTwips(this), areaTop(), rows, columns, inTwips(Dato[0]->geometry()).height());
    m_columns = columns;
    for (int k = 1; k <= int(grid.cells.size()); ++k) {
        if (k >= int(Img.size()))
            createCell(k);
        Img[k]->hide();
        Img[k]->setGeometry(inPixels(grid.cells[k - 1].image));
        Dato[k]->setGeometry(inPixels(grid.cells[k - 1].caption));
    }
    return int(grid.cells.size());
}

void FrmFoto::LlenaCeldas()
{
    forgetPictures();
    skip([this] {
        Img[0]->hide();
        removePhoto();
    });
    // Read once: the page is as large as the lists said when it started.
    const int cellCount = ColocaCeldas();
    catalogue::Recordset &rs = photos();
    // A page starts at the current photo, unless every photo fits on one
    // page or the list has run past an end.
    skip([&] {
        if (cellCount >= TotalFotos || rs.AbsolutePosition() < 0)
            rs.MoveFirst();
    });
    int nextCell = 1;
    while (nextCell <= cellCount && !rs.Eof()) {
        QString file;
        skip([&] { file = modcol::photoFile(modcol::baseFolders(), columnText(rs, "ruta")); });
        // A photo without a file takes no cell.
        if (!file.isEmpty()) {
            LlenaCelda(nextCell, file);
            ++nextCell;
        }
        rs.MoveNext();
    }
    while (int(Img.size()) > nextCell)
        removeCell(int(Img.size()) - 1);
}

void FrmFoto::LlenaCelda(int k, const QString &file)
{
    const catalogue::Recordset &rs = photos();
    // Emptied first: a cell never shows another photo, or another photo's
    // mark, under this photo's caption.
    clearCell(k);
    decode(file, Img[k]->size(), k);
    skip([&] {
        Dato[k]->setText(columnText(rs, "precio") + QLatin1Char('-') + columnText(rs, "tipo") + QLatin1Char('\n')
                         + columnText(rs, "ciudad") + QLatin1Char('-') + columnText(rs, "zona"));
    });
    skip([&] { setTag(Dato[k], columnText(rs, "keyofe")); });
    skip([&] { setTag(Img[k], catalogue::numberAsText(rs.Fields(0).Value)); });
    // A tool tip reads tags as markup: the reference is shown as written.
    skip([&] { Img[k]->setToolTip(QStringLiteral("<qt>Ref %1</qt>").arg(columnText(rs, "ref").toHtmlEscaped())); });
    Img[k]->show();
    Dato[k]->show();
}

void FrmFoto::showCellPicture(int k, const modcol::Picture &picture)
{
    if (picture.image.isNull()) {
        showPlaceholder(Img[k], Placeholder::PhotoUnavailable);
        return;
    }
    setPicture(Img[k], picture.image);
    EncajaCelda(k, picture.size);
}

void FrmFoto::EncajaCelda(int k, QSize picture)
{
    if (!hasPhotos())
        return;
    const QRectF fitted =
        cellPicture(inTwips(Img[k]->geometry()).size(), picture, inTwips(Dato[k]->geometry()));
    if (!fitted.isEmpty())
        Img[k]->setGeometry(inPixels(fitted));
}

void FrmFoto::MarcaFoto(int Clave)
{
    for (int k = 0; k < int(Img.size()); ++k) {
        const QString key = tag(Img[k]);
        setMarked(k, !key.isEmpty() && key.toInt() == Clave);
    }
}

void FrmFoto::MuestraCeldas(bool Visible)
{
    for (int k = 1; k < int(Img.size()); ++k) {
        setMarked(k, false);
        Img[k]->setVisible(Visible);
        Dato[k]->setVisible(Visible);
    }
}

void FrmFoto::turnPage(int direction)
{
    // Nothing to page from: no photos, or the last fill found no photo file
    // and so left no first cell to start from.
    if (m_closing || !hasPhotos() || Img.size() < 2)
        return;
    EnDetalle = true;
    const InputHold hold(this);
    catalogue::Recordset &rs = photos();
    skip([&] { rs.FindFirst(rs.FieldName(0) + QLatin1Char('=') + tag(Img[1])); });
    skip([&] {
        const double cellCount = CBFila->currentText().toDouble() * CbCol->currentText().toDouble();
        rs.Move(direction * int(catalogue::nearestEven(cellCount)));
    });
    for (int k = int(Img.size()) - 1; k >= 1; --k)
        clearCell(k);
    if (direction < 0) {
        skip([&] {
            if (rs.Bof())
                rs.MoveFirst();
        });
    }
    LlenaCeldas();
}

void FrmFoto::createCell(int k)
{
    auto *image = new modcol::ClickLabel(this);
    image->setObjectName(QStringLiteral("Img_%1").arg(k));
    image->setScaledContents(true);
    image->hide();
    connect(image, &modcol::ClickLabel::clicked, this, [this, k] { Img_Click(k); });
    connect(image, &modcol::ClickLabel::doubleClicked, this, [this, k] { Img_DblClick(k); });
    Img.push_back(image);

    auto *caption = new CellCaption(this);
    caption->setObjectName(QStringLiteral("Dato_%1").arg(k));
    caption->setTextFormat(Qt::PlainText);
    caption->setFont(Dato[0]->font());
    caption->setPalette(Dato[0]->palette());
    caption->setAutoFillBackground(true);
    caption->setGeometry(Dato[0]->geometry());
    caption->hide();
    Dato.push_back(caption);
}

void FrmFoto::removeCell(int k)
{
    delete Img[k];
    delete Dato[k];
    Img.erase(Img.begin() + k);
    Dato.erase(Dato.begin() + k);
}

void FrmFoto::clearCell(int k)
{
    Img[k]->clear();
    Img[k]->setToolTip(QString());
    setTag(Img[k], QString());
    Dato[k]->clear();
    setTag(Dato[k], QString());
    setMarked(k, false);
}

void FrmFoto::setMarked(int k, bool marked)
{
    const QFrame::Shape border = marked ? QFrame::Box : QFrame::NoFrame;
    Img[k]->setFrameShape(border);
    Dato[k]->setFrameShape(border);
    QFont font = Dato[k]->font();
    font.setBold(marked);
    Dato[k]->setFont(font);
}

bool FrmFoto::isMarked(int k) const
{
    return Img[k]->frameShape() == QFrame::Box;
}

void FrmFoto::moveMark(int cells)
{
    // Within the page: Page Up and Page Down turn it. Unmarked, the first
    // cell takes the mark.
    const int cellCount = int(Img.size()) - 1;
    int marked = 0;
    for (int k = 1; k <= cellCount; ++k) {
        if (isMarked(k))
            marked = k;
    }
    const int target = marked == 0 ? 1 : marked + cells;
    if (target >= 1 && target <= cellCount)
        Img_Click(target);
}

} // namespace viewer

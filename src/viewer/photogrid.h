#pragma once

#include <vector>

#include <QWidget>

#include "pictures/picture.h"
#include "viewer/viewergeometry.h"

class QLabel;

namespace modcol {
class ClickLabel;
class PictureLoader;
} // namespace modcol

namespace viewer {

class CellCaption;
class ViewerModel;
struct PagePhoto;

// The grid view: the model's page as cells laid out from the screen's size,
// each a picture (`Img(k)`) fitted into its box when it arrives, over a
// caption (`Dato(k)`); the marked cell framed with its caption bold. It
// spans its window, below the window's other controls; cells count from 1.
class PhotoGrid : public QWidget
{
    Q_OBJECT

public:
    PhotoGrid(ViewerModel &model, const QWidget &closeButton, QWidget *window);

    // Lays out `rows` by `columns` cells and shows the page that the model
    // reads for them; cells left empty go.
    void LlenaCeldas(int rows, int columns);
    // Shows or hides every cell and unmarks them.
    void MuestraCeldas(bool Visible);
    // Drops the pictures still to come.
    void forgetPictures();
    int columns() const { return m_columns; } // of the page laid out last

signals:
    void clicked(int k);
    void doubleClicked(int k);

private:
    struct Cell
    {
        modcol::ClickLabel *image;
        CellCaption *caption;
    };

    int ColocaCeldas(int rows, int columns);
    void LlenaCelda(Cell &cell, const PagePhoto &photo);
    void EncajaCelda(const Cell &cell, QSize picture);
    void showPicture(int k, const modcol::Picture &picture);
    void showMarks();
    void addCell();
    void removeLastCell();

    ViewerModel &m_model;
    const QWidget &m_closeButton;
    QLabel *m_captionTemplate; // Dato(0): the captions' height, font and ground
    std::vector<Cell> m_cells; // cell k at k - 1
    modcol::PictureLoader *m_loader;
    int m_columns = 0;
};

} // namespace viewer

#pragma once

#include <array>
#include <map>
#include <memory>
#include <vector>

#include <QDialog>
#include <QSizeF>

#include "pictures/picture.h"
#include "widgets/recordnavigator.h"
#include "viewer/placeholder.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace catalogue {
class Recordset;
}

namespace modcol {
class ClickLabel;
class PictureLoader;
} // namespace modcol

namespace viewer {

class Slideshow;

// The photo viewer: a window without a title bar over the whole screen that
// shows an offer's photos either as a grid of rows by columns with the
// offer's data under each photo ("Foto Detalle") or one at a time, fitted
// to the screen, reduced by a zoom percentage and advanced by a slideshow
// ("Una Foto"). A double-click on a photo closes it and hands that photo's
// key back. One window per opening: build it on the stack, call GetOfeFoto
// once, and let it go when GetOfeFoto has returned.
class FrmFoto : public QDialog
{
    Q_OBJECT

public:
    // The viewer of offer `codOfer`'s photos, modal over `parent` (the
    // record card): the photos the viewer may show (never the hidden ones),
    // in their order, read from the shared catalogue. A list that cannot be
    // read is an empty list.
    FrmFoto(int codOfer, QWidget *parent);
    ~FrmFoto() override;

    // Shows the viewer modally, in the single view on the photo `Clave`
    // (the first photo when the list lacks it), or for `Clave` 0 or less in
    // the grid from the first photo, and waits until it closes. Returns the
    // key (CodFoto) of the photo picked by double-click, or 0. `Detalle` has
    // no effect; `NivelCompre` 1 or 2 shows a picked photo at a zoom of 10
    // or 25 before the viewer closes.
    int GetOfeFoto(int Clave, bool Detalle = false, int NivelCompre = 0);

    // The same without waiting: finished() tells of the close, and
    // fotoElegida() then holds the result.
    void openOn(int Clave, int NivelCompre = 0);

    int fotoElegida() const { return FotoElegida; }
    int nivel() const { return Nivel; }
    bool conNivel() const { return ConNivel; }

    // Closing by any way: the slideshow stops, pictures still being decoded
    // are forgotten and the level is cleared. Only the first close counts.
    void done(int result) override;
    // Escape and the window's close: the close button's action.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (frmfotocontrols.cpp).
    void createControls();
    void createSingleViewControls();
    void createGridControls();

    // Model and view modes (frmfoto.cpp).
    void prepare(int Clave, int NivelCompre);
    catalogue::Recordset &photos() const;
    bool hasPhotos() const;
    int currentPhotoKey() const;
    void goToPhoto(int key);
    void OptAcc_Click();
    void VistaDetalle();
    void VistaUnaFoto();
    void botcerrar_Click();
    void stepPhotos(modcol::RecordNavigator::Step step);
    void decode(const QString &file, QSize box, int cell);
    void pictureLoaded(int element, const modcol::Picture &picture);
    void forgetPictures();
    void setPicture(QLabel *box, const QImage &image);
    QSizeF windowTwips() const;
    int areaTop() const;

    // The grid (photogrid.cpp).
    int ColocaCeldas();
    void LlenaCeldas();
    void LlenaCelda(int k, const QString &file);
    void EncajaCelda(int k, QSize picture);
    void MarcaFoto(int Clave);
    void MuestraCeldas(bool Visible);
    void turnPage(int direction);
    void createCell(int k);
    void removeCell(int k);
    void clearCell(int k);
    void setMarked(int k, bool marked);
    void moveMark(int cells);
    bool isMarked(int k) const;
    void showCellPicture(int k, const modcol::Picture &picture);

    // The single photo (singlephoto.cpp).
    void DatImagen_Reposition();
    void Movimiento_Imagen();
    void showPhoto(const modcol::Picture &picture);
    void removePhoto();
    void showNoPhoto(Placeholder why);
    void EncajaFoto(int AltoMax, int AnchoMax);
    void AplicaZoom();
    int zoomPercent(const QString &whenEmpty);
    void fitAndZoom();
    void TxtZoom_Enter();
    void TxtZoom_LostFocus();
    void Img_Click(int i);
    void Img_DblClick(int i);
    int FotoMarcada() const;

    // Controls, as the window's design names them.
    QFrame *Shape1 = nullptr;
    QPushButton *botcerrar = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<QRadioButton *, 2> OptAcc{};
    QWidget *FraDet = nullptr;
    QPushButton *BotAtras = nullptr;
    QPushButton *BotAdel = nullptr;
    std::array<QLabel *, 3> Label1{};
    QComboBox *CBFila = nullptr;
    QComboBox *CbCol = nullptr;
    QWidget *FraFoto = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *TxtZoom = nullptr;
    modcol::RecordNavigator *DatImagen = nullptr;
    QComboBox *CbSeg = nullptr;
    QCheckBox *Check1 = nullptr;
    // Element 0 is the single photo and the template of the grid's cells;
    // elements 1 onwards are the cells of the page shown.
    std::vector<modcol::ClickLabel *> Img;
    std::vector<QLabel *> Dato;

    // The window's state.
    bool FormuListo = false; // on screen
    bool EnDetalle = false;  // the grid view is active
    int FotoElegida = 0;     // the key GetOfeFoto returns
    int TotalFotos = 0;
    int Nivel = 0;
    bool ConNivel = false;

    Slideshow *m_slideshow = nullptr;
    modcol::PictureLoader *m_loader = nullptr;
    int m_columns = 0;            // of the grid's page laid out last
    QSize m_photoSize;            // the single photo's own size, upright; empty without a picture
    QSizeF m_fitted;              // the single photo fitted to the window, in twips
    bool m_closing = false;
};

} // namespace viewer

#pragma once

#include <array>

#include <QDialog>

#include "widgets/recordnavigator.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace viewer {

class PhotoGrid;
class PointerHider;
class SinglePhoto;
class Slideshow;
class ViewerModel;
class ZoomBox;

// The photo viewer: a window without a title bar over the whole screen that
// shows an offer's photos either as a grid of rows by columns with the
// offer's data under each photo ("Foto Detalle") or one at a time, fitted
// to the screen, reduced by a zoom percentage and advanced by a slideshow
// ("Una Foto"). A double-click on a photo closes it and hands that photo's
// key back. One window per opening: build it on the stack, call GetOfeFoto
// once, and let it go when GetOfeFoto has returned.
//
// The window holds the controls and their handlers; what it shows is its
// model's, drawn by the grid and the single photo.
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
    int fotoElegida() const;

    // Closing by any way: the slideshow stops, pictures still being decoded
    // are forgotten and the level is cleared. Only the first close counts.
    void done(int result) override;
    // Escape and the window's close: the close button's action.
    void reject() override;

    // What the tests read and drive beyond the window's controls.
    struct Internals
    {
        const ViewerModel &model;
        Slideshow &slideshow;
        PointerHider &pointer;
    };
    Internals internalsForTests();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Building (frmfotocontrols.cpp).
    void createControls();
    void createSingleViewControls();
    void createGridControls();

    void prepare(int Clave, int NivelCompre);
    bool hasPhotos() const;
    void OptAcc_Click();
    void VistaDetalle();
    void VistaUnaFoto();
    void LlenaCeldas();
    void turnPage(int direction);
    void DatImagen_Reposition();
    void Check1_Click();
    void TxtZoom_Enter();
    void TxtZoom_LostFocus();
    void Img_Click(int i);
    void Img_DblClick(int i);
    void botcerrar_Click();
    void stepPhotos(modcol::RecordNavigator::Step step);
    void forgetPictures();
    int cellCount() const;

    ViewerModel *m_model;

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
    ZoomBox *TxtZoom = nullptr;
    modcol::RecordNavigator *DatImagen = nullptr;
    QComboBox *CbSeg = nullptr;
    QCheckBox *Check1 = nullptr;

    // The two views.
    PhotoGrid *m_grid = nullptr;
    SinglePhoto *m_single = nullptr;

    Slideshow *m_slideshow;
    PointerHider *m_pointer;

    bool FormuListo = false; // on screen
    bool EnDetalle = false;  // the grid view is active
    int Nivel = 0;
    bool ConNivel = false;
    bool m_closing = false;
};

} // namespace viewer

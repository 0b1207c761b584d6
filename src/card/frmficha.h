#pragma once

#include <functional>
#include <memory>

#include <QDialog>
#include <QStringList>
#include <QTimer>

#include "card/fichacontrols.h"
#include "catalogue/recordset.h"

class QAction;
class QMenuBar;

namespace modcol {
class PictureLoader;
struct Picture;
}

namespace card {

// The record card "FICHA COLABORADOR": one offer of a search with its
// fields and qualities, a navigator through every offer of the search in
// the search's order, the offer's photos one at a time, and the copy of
// its photos into a folder. Built fresh for each opening, modal over the
// window that opens it; an empty card until offers are bound.
class frmficha : public QDialog
{
    Q_OBJECT

public:
    explicit frmficha(QWidget *parent);
    ~frmficha() override;

    // Shows the offers that the filter clauses `Where` find, on the offer
    // `Codigo` (on the first one when it is not among them), modally, and
    // returns posActual once the user has closed the card: the 1-based
    // position of the offer shown last, 0 when none was. `offers`, when
    // given, are the offers that `Where` finds in the search's order, as the
    // result pages hold them (their keys first), so that the card reads no
    // list of its own. Throws catalogue::CatalogueError when the offers
    // cannot be read.
    int VerFormu(const QString &Where, int Codigo, std::unique_ptr<catalogue::Recordset> offers = nullptr);

    // VerFormu without the modal wait.
    void showOffers(const QString &Where, int Codigo, std::unique_ptr<catalogue::Recordset> offers = nullptr);

    // Closing also drops a photo still to load.
    void done(int result) override;

    // What only the tests reach or replace.
    struct TestAccess
    {
        const CardControls &controls;
        QAction *mextraefotos;
        QTimer *Timer1;
        modcol::PictureLoader *photoLoader;
        std::function<QString(QWidget *)> &folderChooser; // the folder dialog of "Extraer Fotos"

        QStringList boxes() const; // the texts of txtcampo(1) to txtcampo(22)
    };
    TestAccess testAccess();

protected:
    // Page Up, Page Down, Ctrl+Home and Ctrl+End step through the offers;
    // ←, →, Home and End through the photos, where no text box takes them.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Load();
    void datprincip_Reposition();
    void MuestraFicha(catalogue::Recordset &rs);
    void CargaCalidades(catalogue::Recordset &rs);

    void DatImagen_Reposition();
    void Timer1_Timer();
    void CargaFoto();
    void showNoPhoto();
    void photoLoaded(const modcol::Picture &picture);
    void AjustaFoto(QSize picture);
    void Command1_Click();

    void mextraefotos_Click();
    QString LimpiaReferencia() const;

    // The offer shown, when there is one.
    catalogue::Recordset *currentOffer() const;

    QWidget *m_client;
    QMenuBar *m_menu;
    QAction *mextraefotos;
    CardControls m_controls;
    std::unique_ptr<catalogue::Recordset> m_offer; // the row of the offer datprincip stands on
    QTimer *Timer1;
    modcol::PictureLoader *m_loader;
    std::function<QString(QWidget *)> m_folderChooser;

    int posActual = 0;
    float anchoFoto = 0;
    int altoFoto = 0;
    QString rutaFoto;
};

} // namespace card

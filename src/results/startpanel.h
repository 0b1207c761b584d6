#pragma once

#include <QFrame>

class QLabel;

namespace modcol {
class ClickLabel;
class PictureLoader;
struct Picture;
}

namespace results {

// The start panel `frmimagen`: the agency's name and logo and the maker's
// logo, over the result grid until the first search.
class StartPanel : public QFrame
{
    Q_OBJECT

public:
    // The panel at its design place on `parent`, its controls on it.
    explicit StartPanel(QWidget *parent = nullptr);

    // Shows the agency's name and, when `logoFile` is a readable picture,
    // its logo fitted by AjustaLogo once it is decoded, off the window's
    // thread. Runs once the window is scaled.
    void showAgency(const QString &name, const QString &logoFile);

    // What only the tests reach: "Mas información".
    modcol::ClickLabel *Label4ForTests() const { return Label4; }

signals:
    void makerClicked(); // the maker's logo was clicked
    void moreInformationClicked(); // "Mas información" was clicked

private:
    void showLogo(const modcol::Picture &logo);

    // Shrinks the logo, proportions kept, into the room between the agency's
    // name and the maker's logo, and centres it across the panel. A logo
    // that fits keeps its size; one without any room is left out.
    void AjustaLogo();

    QLabel *lbtexto;
    QLabel *imglogo;
    modcol::ClickLabel *Image1;
    modcol::ClickLabel *Label4; // "Mas información": the record card without an offer
    modcol::PictureLoader *m_logoLoader;
};

} // namespace results

#pragma once

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace modcol {
class RecordNavigator;
}

namespace card {

// The record card's controls, each named as in the window's design.
struct CardControls
{
    std::array<QLineEdit *, 22> txtcampo{}; // boxes 1 to 21 (0 is not used)
    QPlainTextEdit *txtcampo22 = nullptr;   // the qualities
    modcol::RecordNavigator *datprincip = nullptr;
    modcol::RecordNavigator *DatImagen = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *botcerrar = nullptr;
    QLabel *Image1 = nullptr;
};

// Places the card's labels, frames, boxes, navigators, buttons and picture
// box on `client` (the card's area below its menu bar) at their design
// positions, fonts and colours. The boxes are read-only, but their text can
// be selected and copied.
CardControls placeCardControls(QWidget *client);

} // namespace card

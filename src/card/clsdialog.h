#pragma once

#include <QString>

class QWidget;

namespace card {

// The folder dialog of photo extraction.
class clsdialog
{
public:
    // Asks for a folder in a dialog that offers folders only, titled
    // "Seleccionar Carpeta", over `owner`, opened in the folder chosen last
    // during the run, else in the user's pictures folder. The folder's
    // path, or the empty text when the user cancels.
    QString Selec_Dir(QWidget *owner) const;
};

} // namespace card

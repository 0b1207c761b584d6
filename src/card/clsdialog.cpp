#include "card/clsdialog.h"

#include <QFileDialog>

namespace card {

QString clsdialog::Selec_Dir(QWidget *owner) const
{
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Seleccionar Carpeta"), QString(),
                                             QFileDialog::ShowDirsOnly);
}

} // namespace card

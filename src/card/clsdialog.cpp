#include "card/clsdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace card {
namespace {

// The folder the user chose last in this run.
QString &lastChosenFolder()
{
    static QString folder;
    return folder;
}

// Where the dialog opens: never in the current folder, which is usually
// the program's own, read-only one.
QString startingFolder()
{
    const QString last = lastChosenFolder();
    if (!last.isEmpty() && QDir(last).exists())
        return last;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

} // namespace

QString clsdialog::Selec_Dir(QWidget *owner) const
{
    const QString folder = QFileDialog::getExistingDirectory(owner, QStringLiteral("Seleccionar Carpeta"),
                                                             startingFolder(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        lastChosenFolder() = folder;
    return folder;
}

} // namespace card

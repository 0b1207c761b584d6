#include "startup/bundledfonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

#include "startup/logging.h"

namespace modcol {
namespace {

const QString BundledFamily = QStringLiteral("Liberation Sans");

} // namespace

void registerBundledFonts()
{
    // Where the partner folder's layout puts them.
    const QDir folder(QApplication::applicationDirPath() + QStringLiteral("/lib/fonts"));
    if (!folder.exists())
        return;
    const QStringList files = folder.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        if (QFontDatabase::addApplicationFont(folder.filePath(file)) < 0)
            qCWarning(lcStartup) << "cannot register the font" << folder.filePath(file);
    }
    if (files.isEmpty()) {
        qCWarning(lcStartup) << "no fonts in" << folder.path() << "; the desktop's fonts draw the windows";
        return;
    }
    // The windows ask for Arial; Liberation Sans has its metrics. What they
    // draw in the desktop's own font (menus, message boxes) takes it too.
    QFont::insertSubstitution(QStringLiteral("Arial"), BundledFamily);
    QFont font = QApplication::font();
    font.setFamily(BundledFamily);
    QApplication::setFont(font);
}

} // namespace modcol

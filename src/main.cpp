#include <QApplication>

#include "catalogue/database.h"
#include "catalogue/regional.h"
#include "pictures/picture.h"
#include "results/frmresul.h"
#include "results/pictures.h"
#include "startup/bundledfonts.h"
#include "startup/modcol.h"
#include "startup/offthread.h"
#include "startup/qttranslation.h"
#include "widgets/escapekey.h"

int main(int argc, char *argv[])
{
    catalogue::prepareJetLibrary();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("colaborador"));
    // The desktop matches the windows to colaborador.desktop and its icon.
    QApplication::setDesktopFileName(QStringLiteral("colaborador"));
    QApplication::setWindowIcon(results::windowIcon());
    modcol::registerBundledFonts();
    modcol::installQtTranslation(app);
    catalogue::useSystemRegionalSettings();
    modcol::ignoreEscapeRepeats(app);
    modcol::limitPictureAllocations();
    modcol::Main();
    results::frmresul window;
    window.show();
    return modcol::endRun(app.exec());
}

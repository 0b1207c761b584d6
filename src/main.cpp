#include <QApplication>

#include "catalogue/database.h"
#include "catalogue/regional.h"
#include "results/frmresul.h"
#include "results/pictures.h"
#include "startup/escapekey.h"
#include "startup/modcol.h"
#include "startup/picture.h"
#include "startup/pictureloader.h"
#include "startup/qttranslation.h"

int main(int argc, char *argv[])
{
    catalogue::prepareJetLibrary();
    QApplication app(argc, argv);
    modcol::installQtTranslation(app);
    catalogue::useSystemRegionalSettings();
    modcol::ignoreEscapeRepeats(app);
    modcol::limitPictureAllocations();
    modcol::Main();
    results::frmresul window;
    window.setWindowIcon(results::windowIcon());
    window.show();
    return modcol::endLeavingDecodes(app.exec());
}

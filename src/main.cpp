#include <QApplication>

#include "catalogue/regional.h"
#include "results/frmresul.h"
#include "results/pictures.h"
#include "startup/escapekey.h"
#include "startup/modcol.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    catalogue::useSystemRegionalSettings();
    modcol::ignoreEscapeRepeats(app);
    modcol::Main();
    frmresul window;
    window.setWindowIcon(pictures::windowIcon());
    window.show();
    return app.exec();
}

// check-partner-source FOLDER
//
// Checks an agency's folder before it becomes a partner folder, with the
// program's own code, and prints a report in Spanish: exit status 0 when it
// can be handed out (possibly with warnings: photos the program will not
// find or show, offers without a picture, missing agency files), 1 when it
// is refused (no catalogue, one the program cannot open, or a statement of
// the program that fails on it), 2 for a wrong call. Progress on long work
// goes to standard error.

#include <cstdio>

#include <QCoreApplication>
#include <QLoggingCategory>

#include "catalogue/database.h"
#include "pictures/picture.h"
#include "progress.h"
#include "sourcecheck.h"
#include "sourcereport.h"

int main(int argc, char *argv[])
{
    catalogue::prepareJetLibrary();
    QCoreApplication app(argc, argv);
    // The report names what the program's layers would log a warning for
    // (every refused picture, a damaged table); their lines would bury it.
    // QT_LOGGING_RULES still brings them back.
    QLoggingCategory::setFilterRules(QStringLiteral("colaborador.*.warning=false"));
    modcol::limitPictureAllocations();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "uso: check-partner-source CARPETA\n");
        return 2;
    }
    partnercheck::Progress progress;
    const partnercheck::SourceReport report = partnercheck::checkSource(arguments.at(1), progress);
    std::fputs(qPrintable(partnercheck::reportText(arguments.at(1), report)), stdout);
    return report.refusal.isEmpty() ? 0 : 1;
}

#include "startup/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "startup/logging.h"

namespace modcol {

bool installQtTranslation(QCoreApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_es"), folder) || !app.installTranslator(translator)) {
        qCWarning(lcStartup) << "no qtbase_es in" << folder << "; Qt's own texts stay English";
        delete translator;
        return false;
    }
    return true;
}

} // namespace modcol

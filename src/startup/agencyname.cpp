#include "startup/agencyname.h"

#include <QFile>

#include "startup/logging.h"
#include "startup/textfile.h"

namespace modcol {

QString readAgencyName(const QString &file)
{
    QFile in(file);
    if (file.isEmpty() || !in.open(QIODevice::ReadOnly)) {
        qCDebug(lcStartup) << "no agency-name file";
        return QString();
    }
    // The first line of any sensible name lies well within the first 64 KiB.
    return textLines(in.read(64 * 1024)).constFirst().trimmed();
}

} // namespace modcol

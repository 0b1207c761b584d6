#include "startup/registro.h"

#include <QSettings>

namespace modcol {

QString LeeRegistro()
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brezomar"));
    const QVariant value = settings.value(QStringLiteral("Rutabd"));
    // Only a text value names a database file; numbers and byte blocks do not.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

QString folderOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    QString folder = path.left(cut + 1);
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return folder;
}

} // namespace modcol

#include "startup/registro.h"

#include <algorithm>

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <string>

#include <qt_windows.h>
#else
#include <QFile>
#include <QStandardPaths>

#include "startup/textfile.h"
#endif

#include "startup/logging.h"

namespace modcol {

#ifdef Q_OS_WIN

QString LeeRegistro()
{
    // The current user's key alone. Only a text value names a database file;
    // an expandable one is used as stored.
    constexpr DWORD textOnly = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    const wchar_t *const key = L"Software\\Brezomar";
    DWORD bytes = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, key, L"Rutabd", textOnly, nullptr, nullptr, &bytes);
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (status == ERROR_SUCCESS)
        status = RegGetValueW(HKEY_CURRENT_USER, key, L"Rutabd", textOnly, nullptr, value.data(), &bytes);
    if (status == ERROR_UNSUPPORTED_TYPE)
        qCWarning(lcStartup) << "the registry value Rutabd is not text; no second base folder";
    else if (status != ERROR_SUCCESS)
        qCDebug(lcStartup) << "no registry value Rutabd, status" << status;
    if (status != ERROR_SUCCESS)
        return QString();
    return QString::fromWCharArray(value.c_str());
}

#else

QString LeeRegistro()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QFile file(folder + QStringLiteral("/Brezomar.conf"));
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcStartup) << "no settings file" << file.fileName();
        return QString();
    }
    // Read as written by hand: no list, comment or escape rules, which would
    // cut "Fotos, 2006", "fotos;viejas" or "C:\Datos".
    QString value;
    for (const QString &line : textLines(file.read(1024 * 1024))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals).trimmed().compare(QLatin1String("Rutabd"), Qt::CaseInsensitive) != 0)
            continue;
        value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
    }
    if (value.isEmpty())
        qCDebug(lcStartup) << "no Rutabd in" << file.fileName();
    return value;
}

#endif

QString folderOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    QString folder = path.left(cut + 1);
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return folder;
}

} // namespace modcol

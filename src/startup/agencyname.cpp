#include "startup/agencyname.h"

#include <QFile>
#include <QStringDecoder>

namespace modcol {
namespace {

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

QString readAgencyName(const QString &file)
{
    QFile in(file);
    if (file.isEmpty() || !in.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line = in.readLine(64 * 1024);
    if (line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    return decode(line).trimmed();   // trimmed also drops the CR LF
}

} // namespace modcol

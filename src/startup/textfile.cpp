#include "startup/textfile.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace modcol {
namespace {

QString decode(const QByteArray &bytes)
{
    const auto marked = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8)
        return QStringDecoder(*marked)(bytes); // the decoder drops the mark
    const QByteArray text = marked ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(text);
    if (!utf8.hasError())
        return decoded;
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? windows1252(text) : QString::fromLatin1(text);
}

} // namespace

QStringList textLines(const QByteArray &bytes)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return decode(bytes).split(lineEnd);
}

} // namespace modcol

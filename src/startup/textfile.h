#pragma once

#include <QByteArray>
#include <QStringList>

namespace modcol {

// The lines of a small text file written by hand on Windows or Linux. Lines
// end at CR, LF or CR LF. The text is UTF-16 when it starts with its
// byte-order mark (what Windows editors call "Unicode"), otherwise UTF-8
// when it reads as such (a mark dropped), otherwise Windows-1252.
QStringList textLines(const QByteArray &bytes);

} // namespace modcol

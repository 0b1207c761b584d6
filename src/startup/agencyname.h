#pragma once

#include <QString>

namespace modcol {

// The agency's name: the first line of the agency file, without the blanks
// around it; the empty text when there is no file. The file is UTF-8 when it
// reads as such, otherwise Windows-1252 as Windows writes it.
QString readAgencyName(const QString &file);

} // namespace modcol

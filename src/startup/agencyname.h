#pragma once

#include <QString>

namespace modcol {

// The agency's name: the first line of the agency file, without the blanks
// around it; the empty text when there is no file. The file may come from
// any Windows editor (see textLines).
QString readAgencyName(const QString &file);

} // namespace modcol

#pragma once

#include <QString>

namespace modcol {

// The value "Rutabd" of the maker's per-user settings (on Windows the
// registry key HKEY_CURRENT_USER\Software\Brezomar), or the empty text when
// it is missing or not a text value.
QString LeeRegistro();

// The folder part of a path, up to and including its last separator, with
// "/" between folders; the empty text when the path has no separator.
QString folderOf(const QString &path);

} // namespace modcol

#pragma once

#include <QString>

namespace modcol {

// The setting "Rutabd" of the current user, or the empty text when it is
// missing or not a text value. On Windows it is the value under the
// registry key HKEY_CURRENT_USER\Software\Brezomar. Elsewhere it is the last
// line "Rutabd=<path>" of the file Brezomar.conf in the user's configuration
// folder (~/.config): the key without regard to case, the path as written,
// with only the blanks and a pair of double quotes around it removed.
QString LeeRegistro();

// The folder part of a path, up to and including its last separator, with
// "/" between folders; the empty text when the path has no separator.
QString folderOf(const QString &path);

} // namespace modcol

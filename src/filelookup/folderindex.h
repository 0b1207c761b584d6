#pragma once

#include <QString>
#include <QStringList>

namespace modcol {

// Windows-style name look-ups in one folder of a case-sensitive file system.
// A catalogue folder can hold a million photos, so a look-up tries the name
// as written, then in folded case, before it reads a listing; and a listing
// keeps only the names those tries cannot find (names with capitals) and
// the thumbnails' names (a key and "cd"). It is taken once per folder, in
// the background where asked for, and again only when the folder changes.
namespace FolderIndex {

// The entry of `folder` whose name equals `name` without regard to case
// (an exact match wins), or the empty text. Files and folders alike.
QString findName(const QString &folder, const QString &name);

// The entries of `folder` whose names start with `key` and "cd" without
// regard to case, sorted by name without regard to case.
QStringList thumbnailNames(const QString &folder, int key);

// Lists the folders now, in the background, so that the first look-up
// does not wait for a large listing. Quitting the application stops these
// listings without waiting for them.
void prepare(const QStringList &folders);

} // namespace FolderIndex
} // namespace modcol

#pragma once

#include <QString>

namespace modcol {

// Windows-style name look-ups in one folder of a case-sensitive file system.
// A catalogue folder can hold hundreds of thousands of photos, so its listing
// is taken once, kept sorted without regard to case, and taken again only
// when the folder changes.
namespace FolderIndex {

// The entry of `folder` whose name equals `name` without regard to case
// (an exact match wins), or the empty text. Files and folders alike.
QString findName(const QString &folder, const QString &name);

// The entries of `folder` whose names start with `prefix` without regard to
// case, sorted by name without regard to case.
QStringList startingWith(const QString &folder, const QString &prefix);

// Lists the folders now, in the background, so that the first look-up
// does not wait for a large listing. Quitting the application stops these
// listings without waiting for them.
void prepare(const QStringList &folders);

} // namespace FolderIndex
} // namespace modcol

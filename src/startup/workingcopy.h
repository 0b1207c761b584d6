#pragma once

#include <QDateTime>
#include <QString>

namespace modcol {

// The run's working copy of the catalogue: the temporary folder, the start
// time as fourteen digits ("YYYYMMDDHHMMSS") and ".mdb". Without a temporary
// folder (none given, or not a folder) the name alone, relative to the
// current folder.
QString workingCopyPath(const QString &tempFolder, const QDateTime &start);

// Copies the catalogue to `target`, a predictable name in a shared folder.
// The source is read only when it is an ordinary file, so a FIFO or a device
// under its name never holds the start. Whatever has the target's name is
// removed first (a link itself, never what it points at; a folder stays) and
// the copy is a file made anew there, so it never writes through a link or
// into someone else's file. The copy is writable even when the source (on a
// CD) is not, and a copy that fails midway is removed. Throws
// catalogue::CatalogueError, worded for the user, when the copy is not in
// place.
void copyCatalogue(const QString &source, const QString &target);

} // namespace modcol

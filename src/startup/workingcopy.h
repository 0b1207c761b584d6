#pragma once

#include <QDateTime>
#include <QString>

namespace modcol {

// The run's working copy of the catalogue: the temporary folder, the start
// time as fourteen digits ("YYYYMMDDHHMMSS") and ".mdb".
QString workingCopyPath(const QString &tempFolder, const QDateTime &start);

// Copies the catalogue to `target`, replacing an older file of that name.
// The copy is written under a unique temporary name and renamed into place,
// so that a second start in the same second never reads it half-written;
// it is writable even when the source (on a CD) is not. Returns whether the
// copy is in place.
bool copyCatalogue(const QString &source, const QString &target);

} // namespace modcol

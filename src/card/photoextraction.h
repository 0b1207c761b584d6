#pragma once

#include <QString>
#include <QStringList>

#include "filelookup/cataloguepaths.h"

// Copying an offer's photos into a folder the user chose, under names made
// of the offer's reference: "AB12-foto01.jpg", "AB12-foto02.jpg" ...
namespace card {

// The reference as a file name's stem: without the characters no system
// takes in a file name (" \ / ; : ' * ? < > | and control characters),
// without characters that show nothing (format characters such as direction
// overrides, line breaks), without blanks at either end and without dots at
// its start, so that a copy's name is never hidden.
QString cleanReference(const QString &reference);

// The copy's name: `stem` (a cleaned reference), "-foto", the number with
// at least two digits, and the photo's extension; the stem shortened, by
// whole characters, where the name would be too long for a file system.
QString photoCopyName(const QString &stem, int n, const QString &ruta);

struct ExtractionCount
{
    int copied = 0;
    int failed = 0; // found but not copied
};

// Copies the photos that `rutas` name (in that order; found by the photo
// file rule, a missing one is skipped and takes no number) into `carpeta`
// as copies named after `stem`, replacing files of the same names. A copy is
// written under a temporary name and then put in place, so a failed copy
// leaves an older file of that name as it was, and a name that is itself
// one of these photos (the photos' own folder chosen) is never written.
ExtractionCount extractPhotos(const QStringList &paths, const QString &stem, const QString &folder,
                              const modcol::BaseFolders &folders);

// "Se han copiado N fotos en «folder»", and how many could not be copied
// when some could not; "1 foto" for one.
QString extractionMessage(const ExtractionCount &count, const QString &folder);

} // namespace card

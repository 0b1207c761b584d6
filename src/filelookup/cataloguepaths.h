#pragma once

#include <QString>

// Catalogue paths are Windows paths relative to a base folder, such as
// "fotos\00123_02.jpg", and name files the Windows way: "\" between folders,
// names matched without regard to case. "Exists" means an ordinary file that
// is not hidden.
namespace modcol {

// The file that `cataloguePath` names below `base`, or the empty text when
// there is none. An empty base is no folder at all (never the current one),
// and a path that is empty, absolute or climbs with ".." names no file, so a
// catalogue cannot reach files outside its base folders.
QString existingFile(const QString &base, const QString &cataloguePath);

// The first ordinary, non-hidden file of `base` + `folder`, by name sorted
// without regard to case, whose name is the offer key `key`, "cd" and
// anything (a prepared thumbnail: the look-up Windows makes for
// `key` + "cd*.*"), or the empty text.
QString firstThumbnailFile(const QString &base, const QString &folder, int key);

// The two base folders of photos and thumbnails, each ending with "/": the
// program's folder and the second base folder of the settings (empty when
// there is none).
struct BaseFolders
{
    QString app;
    QString bd;
};

// A photo's file: below the program's folder, else below the second base
// folder, else the empty text.
QString photoFile(const BaseFolders &folders, const QString &ruta);

// Starts listing the photo and thumbnail folders of both base folders in the
// background, so that the first page of thumbnails does not wait for them.
void prepareFolderLookups(const BaseFolders &folders);

} // namespace modcol

#pragma once

#include <functional>

#include <QString>

namespace modcol {

// What a folder listing keeps a name for.
struct FolderName
{
    bool hasCapitals = false; // case folding changes it
    bool isThumbnail = false; // digits, then "cd" in any case
};

// Calls `keep` with each name of `folder` worth keeping and what it is kept
// for, reading the folder as fast as the system allows: a photo folder can
// hold a million names, nearly all of which are dropped unread. Returns
// false only when `stopped` said so before the end; a folder that cannot be
// read keeps nothing and returns true.
bool forEachKeptName(const QString &folder, const std::function<void(const QString &, FolderName)> &keep,
                     const std::function<bool()> &stopped);

} // namespace modcol

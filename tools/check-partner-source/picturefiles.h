#pragma once

#include <utility>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

#include "pictures/picture.h"

namespace partnercheck {

class Progress;

// The picture files a catalogue names, each judged once however many rows
// name it, by the program's own verdict from the file's header.
class PictureFiles
{
public:
    // The number of `path` among the files to judge. Names of one file (hard
    // links, as a catalogue that shares photos between offers may have) get
    // one number.
    int add(const QString &path);

    // Judges every file added, on every core.
    void judge(Progress &progress);

    modcol::PictureVerdict verdict(int file) const { return m_verdicts.at(file); }
    QString path(int file) const { return m_paths.at(file); }

private:
    QHash<std::pair<quint64, quint64>, int> m_byIdentity; // device and inode
    QStringList m_paths;
    std::vector<modcol::PictureVerdict> m_verdicts;
};

} // namespace partnercheck

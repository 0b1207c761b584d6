#include "picturefiles.h"

#include <sys/stat.h>

#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include "progress.h"

namespace partnercheck {

int PictureFiles::add(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        // Gone since it was found: judged by its name alone, as unreadable.
        m_paths.append(path);
        return int(m_paths.size() - 1);
    }
    const std::pair<quint64, quint64> identity(status.st_dev, status.st_ino);
    const auto known = m_byIdentity.constFind(identity);
    if (known != m_byIdentity.constEnd())
        return *known;
    m_paths.append(path);
    const int file = int(m_paths.size() - 1);
    m_byIdentity.insert(identity, file);
    return file;
}

void PictureFiles::judge(Progress &progress)
{
    const QList<modcol::PictureVerdict> verdicts =
        progress.follow(QtConcurrent::mapped(m_paths, modcol::inspectPicture), QStringLiteral("Fotos examinadas"));
    m_verdicts.assign(verdicts.begin(), verdicts.end());
}

} // namespace partnercheck

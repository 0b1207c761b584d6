#include "startup/folderindex.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>

namespace modcol::FolderIndex {
namespace {

bool lessIgnoringCase(const QString &a, const QString &b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

struct Listing
{
    QDateTime modified;          // of the folder when it was listed
    QStringList names;           // sorted by lessIgnoringCase
};

Listing list(const QString &folder)
{
    Listing listing;
    listing.modified = QFileInfo(folder).lastModified();
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        listing.names.append(it.fileName());
    }
    std::sort(listing.names.begin(), listing.names.end(), lessIgnoringCase);
    return listing;
}

// One listing per folder, possibly still being taken in the background.
class Cache
{
public:
    std::shared_ptr<const Listing> of(const QString &folder)
    {
        const QDateTime modified = QFileInfo(folder).lastModified();
        std::lock_guard lock(m_mutex);
        Entry &entry = m_entries[folder];
        if (entry.pending.isValid()) {
            entry.listing = entry.pending.result(); // waits for the background listing
            entry.pending = {};
        }
        if (!entry.listing || entry.listing->modified != modified)
            entry.listing = std::make_shared<const Listing>(list(folder));
        return entry.listing;
    }

    void prepare(const QString &folder)
    {
        std::lock_guard lock(m_mutex);
        Entry &entry = m_entries[folder];
        if (entry.listing || entry.pending.isValid())
            return;
        entry.pending = QtConcurrent::run([folder] { return std::make_shared<const Listing>(list(folder)); });
    }

private:
    struct Entry
    {
        std::shared_ptr<const Listing> listing;
        QFuture<std::shared_ptr<const Listing>> pending;
    };
    std::mutex m_mutex;
    std::map<QString, Entry> m_entries;
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

// The first name not below `text` without regard to case.
QStringList::const_iterator firstNotBelow(const QStringList &names, const QString &text)
{
    return std::lower_bound(names.begin(), names.end(), text, [](const QString &entry, const QString &wanted) {
        return QString::compare(entry, wanted, Qt::CaseInsensitive) < 0;
    });
}

} // namespace

QString findName(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const auto listing = cache().of(folder);
    const auto it = firstNotBelow(listing->names, name);
    if (it != listing->names.end() && QString::compare(*it, name, Qt::CaseInsensitive) == 0)
        return *it;
    return QString();
}

QStringList startingWith(const QString &folder, const QString &prefix)
{
    const auto listing = cache().of(folder);
    QStringList matches;
    for (auto it = firstNotBelow(listing->names, prefix);
         it != listing->names.end() && it->startsWith(prefix, Qt::CaseInsensitive); ++it)
        matches.append(*it);
    return matches;
}

void prepare(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (QFileInfo(folder).isDir())
            cache().prepare(folder);
    }
}

} // namespace modcol::FolderIndex

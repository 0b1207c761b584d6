#include "startup/folderindex.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>

#include <QCoreApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "startup/logging.h"

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

// Set when the application quits: background listings stop at once.
std::atomic_bool quitting{false};

// The listing of `folder`; none when `stoppable` and the application quit
// before it was whole, as a part of a folder must never pass for all of it.
std::shared_ptr<const Listing> list(const QString &folder, bool stoppable)
{
    auto listing = std::make_shared<Listing>();
    listing->modified = QFileInfo(folder).lastModified();
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        if (stoppable && quitting.load(std::memory_order_relaxed))
            return nullptr;
        it.next();
        listing->names.append(it.fileName());
    }
    std::sort(listing->names.begin(), listing->names.end(), lessIgnoringCase);
    return listing;
}

// The background listings' own threads. Nothing waits for them at exit:
// quitting stops their listings, and the pool is never destroyed, so a large
// folder or a slow disc never keeps a closed program alive.
QThreadPool &listingThreads()
{
    static QThreadPool *const pool = [] {
        if (const QCoreApplication *app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, [] { quitting = true; });
        return new QThreadPool;
    }();
    return *pool;
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
            if (!entry.listing)
                qCDebug(lcStartup) << "the background listing of" << folder << "was stopped; listing it now";
        }
        if (!entry.listing || entry.listing->modified != modified)
            entry.listing = list(folder, false);
        return entry.listing;
    }

    void prepare(const QString &folder)
    {
        std::lock_guard lock(m_mutex);
        Entry &entry = m_entries[folder];
        if (entry.listing || entry.pending.isValid())
            return;
        entry.pending = QtConcurrent::run(&listingThreads(), [folder] { return list(folder, true); });
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

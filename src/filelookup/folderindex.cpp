#include "filelookup/folderindex.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "filelookup/foldernames.h"
#include "filelookup/logging.h"

namespace modcol::FolderIndex {
namespace {

bool lessIgnoringCase(const QString &a, const QString &b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// The names of one folder that a look-up cannot find by trying them, each
// list sorted by lessIgnoringCase.
struct Listing
{
    QDateTime modified;     // of the folder when it was listed
    QStringList withCapitals; // names that case folding changes
    QStringList thumbnails;   // names that start with digits and "cd"
};

// Set when the application quits: background listings stop at once.
std::atomic_bool quitting{false};

// The listing of `folder`; none when `stoppable` and the application quit
// before it was whole, as a part of a folder must never pass for all of it.
std::shared_ptr<const Listing> list(const QString &folder, bool stoppable)
{
    auto listing = std::make_shared<Listing>();
    listing->modified = QFileInfo(folder).lastModified();
    const auto keep = [&](const QString &name, FolderName kind) {
        if (kind.hasCapitals)
            listing->withCapitals.append(name);
        if (kind.isThumbnail)
            listing->thumbnails.append(name);
    };
    const auto stopped = [stoppable] { return stoppable && quitting.load(std::memory_order_relaxed); };
    if (!forEachKeptName(folder, keep, stopped))
        return nullptr;
    std::sort(listing->withCapitals.begin(), listing->withCapitals.end(), lessIgnoringCase);
    std::sort(listing->thumbnails.begin(), listing->thumbnails.end(), lessIgnoringCase);
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
                qCDebug(lcFileLookup) << "the background listing of" << folder << "was stopped; listing it now";
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

bool exists(const QString &folder, const QString &name)
{
    return QFileInfo::exists(folder + QLatin1Char('/') + name);
}

} // namespace

QString findName(const QString &folder, const QString &name)
{
    if (exists(folder, name))
        return name;
    // Any other match without capitals is the folded name itself.
    const QString folded = name.toCaseFolded();
    if (folded != name && exists(folder, folded))
        return folded;
    const auto listing = cache().of(folder);
    const auto it = firstNotBelow(listing->withCapitals, name);
    if (it != listing->withCapitals.end() && QString::compare(*it, name, Qt::CaseInsensitive) == 0)
        return *it;
    return QString();
}

QStringList thumbnailNames(const QString &folder, int key)
{
    const QString prefix = QString::number(key) + QStringLiteral("cd");
    const auto listing = cache().of(folder);
    QStringList matches;
    for (auto it = firstNotBelow(listing->thumbnails, prefix);
         it != listing->thumbnails.end() && it->startsWith(prefix, Qt::CaseInsensitive); ++it)
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

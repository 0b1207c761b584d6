#include "pictures/pictureloader.h"

#include <algorithm>
#include <deque>
#include <optional>

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QMutex>
#include <QScopeGuard>
#include <QSet>
#include <QThreadPool>
#include <QWaitCondition>
#include <QtConcurrent/QtConcurrentRun>

#include "pictures/logging.h"
#include "pictures/picturecache.h"

namespace modcol {
namespace {

// Two decodes at once keep both cores of a small machine busy without
// queueing a page's worth of work behind a slow file.
constexpr int DecodesAtOnce = 2;

// A decode expected to take longer gives way to the requests after it, so
// that a page's ordinary thumbnails are not held up behind it.
constexpr double SlowDecode = 0.2; // seconds

Q_GLOBAL_STATIC(QThreadPool, decoderPool)

QThreadPool *pool()
{
    static const bool ready = [] {
        decoderPool()->setMaxThreadCount(DecodesAtOnce);
        // Programs that end through endRun never get here while
        // decodes run; others (the tests) wait for those under way, each
        // bounded by the budget, and drop the queued ones.
        qAddPostRoutine([] {
            decoderPool()->clear();
            decoderPool()->waitForDone();
        });
        return true;
    }();
    Q_UNUSED(ready);
    return decoderPool();
}

// Whether decoding a picture so judged will take long; refusing it will not.
bool takesLong(const PictureInspection &inspection)
{
    return inspection.verdict == PictureVerdict::Decodable && inspection.cost.seconds > SlowDecode;
}

// The files being decoded now, for any loader. A request for one of them
// waits for that decode, then is answered from the cache, or decodes the
// file for its own box: no file is ever decoded twice at once.
class FilesUnderWay
{
public:
    static FilesUnderWay &shared()
    {
        static FilesUnderWay files;
        return files;
    }

    // The cached picture for `key`, once no decode of its file is under way;
    // none when the caller is to decode it, and to call done() after.
    std::optional<Picture> cachedOrClaim(const PictureKey &key)
    {
        const QMutexLocker locker(&m_mutex);
        for (;;) {
            if (std::optional<Picture> cached = PictureCache::shared().find(key))
                return cached;
            if (!m_paths.contains(key.path))
                break;
            m_finished.wait(&m_mutex);
        }
        m_paths.insert(key.path);
        return std::nullopt;
    }

    void done(const QString &path)
    {
        const QMutexLocker locker(&m_mutex);
        m_paths.remove(path);
        m_finished.wakeAll();
    }

private:
    QMutex m_mutex;
    QWaitCondition m_finished;
    QSet<QString> m_paths;
};

struct Request
{
    int ticket;
    PictureKey key;
    bool gaveWay = false; // put back once behind the others, for being slow
    std::optional<PictureInspection> inspection; // its header, when read to judge that
};

struct Decoded
{
    Request request;
    Picture picture;
};

} // namespace

// The requests not yet taken. Each request hands the pool one decode, which
// takes the oldest request left when its turn comes, so the threads go from
// one picture to the next without waiting for the loader's thread, and a
// cancel leaves them nothing to take.
struct PictureLoader::Queue
{
    QMutex mutex;
    std::deque<Request> waiting;
    int cancels = 0; // a request taken before a cancel is not put back
    int decodes = 0;

    std::optional<Decoded> decodeNext()
    {
        std::optional<Request> next = take();
        if (!next)
            return std::nullopt;
        const PictureKey &key = next->key;
        if (std::optional<Picture> cached = FilesUnderWay::shared().cachedOrClaim(key))
            return Decoded{*next, *cached};
        {
            const QMutexLocker locker(&mutex);
            ++decodes;
        }
        // Those waiting for the file are let go however the decode ends.
        const auto release = qScopeGuard([&key] { FilesUnderWay::shared().done(key.path); });
        const Picture picture = next->inspection ? decodePicture(key.path, key.box, key.fit, *next->inspection)
                                                 : decodePicture(key.path, key.box, key.fit);
        // Kept even when cancelled: the page left may well come back.
        PictureCache::shared().insert(key, picture);
        return Decoded{*next, picture};
    }

    // The oldest request; a slow one first goes behind the others.
    std::optional<Request> take()
    {
        QMutexLocker locker(&mutex);
        for (;;) {
            if (waiting.empty())
                return std::nullopt;
            Request request = waiting.front();
            waiting.pop_front();
            if (request.gaveWay || waiting.empty())
                return request;
            const int cancelsBefore = cancels;
            locker.unlock();
            request.inspection = inspectPictureCost(request.key.path);
            locker.relock();
            if (cancels != cancelsBefore)
                return std::nullopt;
            if (!takesLong(*request.inspection))
                return request;
            request.gaveWay = true;
            waiting.push_back(request);
        }
    }

    void clear()
    {
        const QMutexLocker locker(&mutex);
        waiting.clear();
        ++cancels;
    }
};

PictureLoader::PictureLoader(QObject *parent)
    : QObject(parent)
    , m_queue(std::make_shared<Queue>())
{
    qRegisterMetaType<Picture>();
}

PictureLoader::~PictureLoader()
{
    // The decodes still queued in the pool find nothing to take; those under
    // way finish into futures no one watches.
    m_queue->clear();
}

void PictureLoader::request(int target, const QString &path, const QSize &box, PictureFit fit)
{
    const int ticket = m_nextTicket++;
    m_awaited[target] = ticket;
    const std::optional<PictureKey> key = pictureKey(path, box, fit);
    if (!key) {
        qCDebug(lcPictures) << "no picture file" << path;
        reportLater(ticket, Picture());
        return;
    }
    if (const std::optional<Picture> cached = PictureCache::shared().find(*key)) {
        reportLater(ticket, *cached);
        return;
    }
    {
        const QMutexLocker locker(&m_queue->mutex);
        m_queue->waiting.push_back({ticket, *key, false, std::nullopt});
    }
    ++m_running;
    auto *watcher = new QFutureWatcher<std::optional<Decoded>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        --m_running;
        watcher->deleteLater();
        if (const std::optional<Decoded> decoded = watcher->result())
            report(decoded->request.ticket, decoded->picture);
    });
    watcher->setFuture(QtConcurrent::run(pool(), [queue = m_queue] { return queue->decodeNext(); }));
}

void PictureLoader::cancelAll()
{
    m_queue->clear();
    m_awaited.clear();
}

int PictureLoader::decodesStarted() const
{
    const QMutexLocker locker(&m_queue->mutex);
    return m_queue->decodes;
}

void PictureLoader::reportLater(int ticket, const Picture &picture)
{
    ++m_answered;
    QMetaObject::invokeMethod(
        this,
        [this, ticket, picture] {
            --m_answered;
            report(ticket, picture);
        },
        Qt::QueuedConnection);
}

void PictureLoader::report(int ticket, const Picture &picture)
{
    const auto awaited = std::find_if(m_awaited.begin(), m_awaited.end(),
                                      [ticket](const auto &entry) { return entry.second == ticket; });
    if (awaited == m_awaited.end())
        return;
    const int target = awaited->first;
    m_awaited.erase(awaited);
    emit loaded(target, picture);
}

bool abandonDecodes()
{
    if (!decoderPool.exists())
        return false;
    decoderPool()->clear();
    return decoderPool()->activeThreadCount() > 0;
}

} // namespace modcol

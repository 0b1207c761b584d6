#include "startup/pictureloader.h"

#include <deque>
#include <optional>

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QMutex>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "startup/logging.h"
#include "startup/picturecache.h"

namespace modcol {
namespace {

// Two decodes at once keep both cores of a small machine busy without
// queueing a page's worth of work behind a slow file.
constexpr int DecodesAtOnce = 2;

Q_GLOBAL_STATIC(QThreadPool, decoderPool)

QThreadPool *pool()
{
    static const bool ready = [] {
        decoderPool()->setMaxThreadCount(DecodesAtOnce);
        // Quitting waits for the decodes under way (each bounded by the
        // pixel budget), never for queued ones.
        qAddPostRoutine([] {
            decoderPool()->clear();
            decoderPool()->waitForDone();
        });
        return true;
    }();
    Q_UNUSED(ready);
    return decoderPool();
}

struct Request
{
    int ticket;
    PictureKey key;
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
    int taken = 0;

    std::optional<Decoded> decodeNext()
    {
        std::optional<Request> next;
        {
            const QMutexLocker locker(&mutex);
            if (waiting.empty())
                return std::nullopt;
            next = waiting.front();
            waiting.pop_front();
            ++taken;
        }
        const PictureKey &key = next->key;
        return Decoded{*next, decodePicture(key.path, key.box, key.fit)};
    }

    void clear()
    {
        const QMutexLocker locker(&mutex);
        waiting.clear();
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

int PictureLoader::request(const QString &path, const QSize &box, PictureFit fit)
{
    const int ticket = m_nextTicket++;
    const std::optional<PictureKey> key = pictureKey(path, box, fit);
    if (!key) {
        qCDebug(lcStartup) << "no picture file" << path;
        reportLater(ticket, Picture());
        return ticket;
    }
    if (const std::optional<Picture> cached = PictureCache::shared().find(*key)) {
        reportLater(ticket, *cached);
        return ticket;
    }
    {
        const QMutexLocker locker(&m_queue->mutex);
        m_queue->waiting.push_back({ticket, *key});
    }
    ++m_running;
    auto *watcher = new QFutureWatcher<std::optional<Decoded>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        --m_running;
        watcher->deleteLater();
        const std::optional<Decoded> decoded = watcher->result();
        if (!decoded)
            return;
        // Kept even when cancelled: the page left may well come back.
        PictureCache::shared().insert(decoded->request.key, decoded->picture);
        report(decoded->request.ticket, decoded->picture);
    });
    watcher->setFuture(QtConcurrent::run(pool(), [queue = m_queue] { return queue->decodeNext(); }));
    return ticket;
}

void PictureLoader::cancelAll()
{
    m_queue->clear();
    m_firstCurrentTicket = m_nextTicket;
}

int PictureLoader::decodesStarted() const
{
    const QMutexLocker locker(&m_queue->mutex);
    return m_queue->taken;
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
    if (ticket >= m_firstCurrentTicket)
        emit loaded(ticket, picture);
}

} // namespace modcol

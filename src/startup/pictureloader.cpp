#include "startup/pictureloader.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "startup/logging.h"

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

} // namespace

PictureLoader::PictureLoader(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<Picture>();
}

PictureLoader::~PictureLoader()
{
    // Decodes still queued in the pool will not run for nobody; those under
    // way finish into futures no one watches.
    const auto watchers = findChildren<QFutureWatcher<Picture> *>(Qt::FindDirectChildrenOnly);
    for (QFutureWatcher<Picture> *watcher : watchers)
        watcher->cancel();
}

int PictureLoader::request(const QString &path, const QSize &box, PictureFit fit)
{
    const int ticket = m_nextTicket++;
    const std::optional<PictureKey> key = pictureKey(path, box, fit);
    if (!key) {
        qCDebug(lcStartup) << "no picture file" << path;
        reportLater(ticket, Picture());
    } else if (const std::optional<Picture> cached = PictureCache::shared().find(*key)) {
        reportLater(ticket, *cached);
    } else {
        m_pending.push_back({ticket, *key});
        startNext();
    }
    return ticket;
}

void PictureLoader::cancelAll()
{
    m_pending.clear();
    m_firstCurrentTicket = m_nextTicket;
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

void PictureLoader::startNext()
{
    while (m_running < DecodesAtOnce && !m_pending.empty()) {
        const Request request = m_pending.front();
        m_pending.pop_front();
        ++m_running;
        ++m_decodesStarted;
        auto *watcher = new QFutureWatcher<Picture>(this);
        connect(watcher, &QFutureWatcher<Picture>::finished, this, [this, watcher, request] {
            --m_running;
            watcher->deleteLater();
            const Picture picture = watcher->result();
            // Kept even when cancelled: the page left may well come back.
            PictureCache::shared().insert(request.key, picture);
            report(request.ticket, picture);
            startNext();
        });
        const PictureKey &key = request.key;
        watcher->setFuture(QtConcurrent::run(pool(), decodePicture, key.path, key.box, key.fit));
    }
}

} // namespace modcol

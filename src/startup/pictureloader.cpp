#include "startup/pictureloader.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace modcol {
namespace {

// Two decodes at once keep both cores of a small machine busy without
// queueing a page's worth of work behind a slow file.
constexpr int DecodesAtOnce = 2;

QThreadPool &decoderPool()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(DecodesAtOnce);
    return pool;
}

} // namespace

PictureLoader::PictureLoader(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<Picture>();
}

PictureLoader::~PictureLoader() = default;

int PictureLoader::request(const QString &path, const QSize &box, PictureFit fit)
{
    const int ticket = m_nextTicket++;
    m_pending.push_back({ticket, path, box, fit});
    startNext();
    return ticket;
}

void PictureLoader::cancelAll()
{
    m_pending.clear();
    m_firstCurrentTicket = m_nextTicket;
}

void PictureLoader::startNext()
{
    while (m_running < DecodesAtOnce && !m_pending.empty()) {
        const Request request = m_pending.front();
        m_pending.pop_front();
        ++m_running;
        auto *watcher = new QFutureWatcher<Picture>(this);
        connect(watcher, &QFutureWatcher<Picture>::finished, this, [this, watcher, ticket = request.ticket] {
            --m_running;
            const Picture picture = watcher->result();
            watcher->deleteLater();
            if (ticket >= m_firstCurrentTicket)
                emit loaded(ticket, picture);
            startNext();
        });
        watcher->setFuture(QtConcurrent::run(&decoderPool(), decodePicture, request.path, request.box, request.fit));
    }
}

} // namespace modcol

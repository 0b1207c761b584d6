#pragma once

#include <deque>

#include <QObject>

#include "startup/picture.h"
#include "startup/picturecache.h"

namespace modcol {

// Decodes pictures off the window's thread, so that a window shows its
// texts at once and each picture as it arrives. Requests run in the order
// they were made, a few at a time; `loaded` reports each on the loader's
// thread, never from within `request`. A picture decoded lately for the
// same file, box and fit comes from the run's PictureCache without a
// decode; a missing file gives no picture without one. A window that moves
// on (another page, another photo) cancels what it no longer shows:
// pending requests are dropped and the results of those already running
// are never reported. A loader may be destroyed while its decodes run.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    explicit PictureLoader(QObject *parent = nullptr);
    ~PictureLoader() override;

    // Asks for `path` decoded for `box`; returns the ticket `loaded` will carry.
    int request(const QString &path, const QSize &box, PictureFit fit);

    // Forgets every request made so far.
    void cancelAll();

    // Requests not reported yet (pending, running or about to be reported).
    int outstanding() const { return int(m_pending.size()) + m_running + m_answered; }

    // Decodes this loader has started; a request the cache or a missing
    // file answers starts none.
    int decodesStarted() const { return m_decodesStarted; }

signals:
    void loaded(int ticket, const modcol::Picture &picture);

private:
    struct Request
    {
        int ticket;
        PictureKey key;
    };

    void startNext();
    void reportLater(int ticket, const Picture &picture);
    void report(int ticket, const Picture &picture);

    std::deque<Request> m_pending;
    int m_running = 0;
    int m_answered = 0; // reports queued for requests answered without a decode
    int m_decodesStarted = 0;
    int m_nextTicket = 1;
    int m_firstCurrentTicket = 1; // tickets below it were cancelled
};

} // namespace modcol

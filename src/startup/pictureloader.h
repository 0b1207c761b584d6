#pragma once

#include <deque>

#include <QObject>

#include "startup/picture.h"

namespace modcol {

// Decodes pictures off the window's thread, so that a window shows its
// texts at once and each picture as it arrives. Requests run in the order
// they were made, a few at a time; `loaded` reports each on the loader's
// thread. A window that moves on (another page, another photo) cancels what
// it no longer shows: pending requests are dropped and the results of those
// already running are never reported.
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

    // Requests not reported yet (pending or running).
    int outstanding() const { return int(m_pending.size()) + m_running; }

signals:
    void loaded(int ticket, const modcol::Picture &picture);

private:
    struct Request
    {
        int ticket;
        QString path;
        QSize box;
        PictureFit fit;
    };

    void startNext();

    std::deque<Request> m_pending;
    int m_running = 0;
    int m_nextTicket = 1;
    int m_firstCurrentTicket = 1; // tickets below it were cancelled
};

} // namespace modcol

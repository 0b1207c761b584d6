#pragma once

#include <map>
#include <memory>

#include <QObject>

#include "pictures/picture.h"

namespace modcol {

// Decodes pictures off the window's thread, so that a window shows its
// texts at once and each picture as it arrives. Requests are taken in the
// order they were made, a few at a time, by the decoding threads
// themselves, but for a picture that will take long to decode: it goes
// behind the others once. `loaded` reports each on the loader's thread,
// never from within `request`. A picture decoded lately for the same file,
// box and fit comes from the run's PictureCache without a decode; a missing
// file gives no picture without one. A file is never decoded twice at once,
// by any loader: a second request waits for the first decode and takes its
// picture, or decodes after it for its own box. A window that moves on
// (another page, another photo) cancels what it no longer shows: requests
// not yet taken are dropped and the results of those under way are never
// reported. Each request is for a target of the caller's choosing (a cell,
// a box), which waits for one picture: a later request for the same target
// replaces the earlier one, and each target hears of its latest request
// once. A loader may be destroyed while its decodes run.
class PictureLoader : public QObject
{
    Q_OBJECT

public:
    explicit PictureLoader(QObject *parent = nullptr);
    ~PictureLoader() override;

    // Asks for `path` decoded for `box`, for `target`.
    void request(int target, const QString &path, const QSize &box, PictureFit fit);

    // Forgets every request made so far.
    void cancelAll();

    // Work not seen through yet: decodes handed to the threads (cancelled
    // ones too) and answers queued. Zero once everything asked for has been
    // reported or dropped.
    int outstanding() const { return m_running + m_answered; }

    // Decodes this loader has started; a request the cache or a missing
    // file answers, or another loader's decode of the same picture, or one
    // cancelled before its turn, starts none.
    int decodesStarted() const;

signals:
    void loaded(int target, const modcol::Picture &picture);

private:
    struct Queue;

    void reportLater(int ticket, const Picture &picture);
    void report(int ticket, const Picture &picture);

    std::shared_ptr<Queue> m_queue; // shared with the decodes in the pool
    int m_running = 0;              // decodes handed to the pool, not seen back
    int m_answered = 0;             // reports queued for requests answered without a decode
    int m_nextTicket = 1;
    std::map<int, int> m_awaited; // target -> the ticket of its latest request
};

// Drops the decodes not started yet; whether some are still under way.
bool abandonDecodes();

} // namespace modcol

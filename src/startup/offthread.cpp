#include "startup/offthread.h"

#include <cstdio>
#include <cstdlib>

#include "pictures/pictureloader.h"
#include "startup/logging.h"

namespace modcol {

QThreadPool &backgroundThreads()
{
    // Never destroyed: its destructor would wait for the work under way.
    static QThreadPool *const pool = new QThreadPool;
    return *pool;
}

int endRun(int status)
{
    const bool decoding = abandonDecodes();
    if (decoding || backgroundThreads().activeThreadCount() > 0) {
        qCDebug(lcStartup) << "ending with background work under way; decoding:" << decoding;
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace modcol

#include "startup/offthread.h"

namespace modcol {

QThreadPool &backgroundThreads()
{
    // Never destroyed: its destructor would wait for the work under way.
    static QThreadPool *const pool = new QThreadPool;
    return *pool;
}

} // namespace modcol

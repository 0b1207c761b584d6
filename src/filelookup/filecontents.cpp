#include "filelookup/filecontents.h"

#include <QFileDevice>

namespace modcol {

bool copyContents(QFileDevice &from, QFileDevice &to)
{
    constexpr qint64 Chunk = 1 << 20;
    while (!from.atEnd()) {
        const QByteArray bytes = from.read(Chunk);
        if (bytes.isEmpty() || to.write(bytes) != bytes.size())
            return false;
    }
    return to.flush();
}

} // namespace modcol

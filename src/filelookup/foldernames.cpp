#include "filelookup/foldernames.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <dirent.h>
#else
#include <QDirIterator>
#endif

namespace modcol {
namespace {

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

template <typename Text>
bool startsLikeThumbnail(const Text &name, qsizetype size)
{
    qsizetype digits = 0;
    while (digits < size && isAsciiDigit(char16_t(name[digits])))
        ++digits;
    return digits > 0 && digits + 1 < size && (name[digits] | 0x20) == 'c' && (name[digits + 1] | 0x20) == 'd';
}

FolderName classify(const QString &name)
{
    return {name.toCaseFolded() != name, startsLikeThumbnail(name.utf16(), name.size())};
}

#ifdef Q_OS_UNIX
// Most names are plain ASCII: those are judged on their bytes, and only the
// ones kept become text.
void offer(const char *bytes, const std::function<void(const QString &, FolderName)> &keep)
{
    FolderName kind;
    qsizetype size = 0;
    for (; bytes[size] != '\0'; ++size) {
        const auto byte = static_cast<unsigned char>(bytes[size]);
        if (byte >= 0x80) {
            const QString name = QFile::decodeName(bytes);
            kind = classify(name);
            if (kind.hasCapitals || kind.isThumbnail)
                keep(name, kind);
            return;
        }
        if (byte >= 'A' && byte <= 'Z')
            kind.hasCapitals = true;
    }
    kind.isThumbnail = startsLikeThumbnail(bytes, size);
    if (kind.hasCapitals || kind.isThumbnail)
        keep(QFile::decodeName(bytes), kind);
}
#endif

} // namespace

bool forEachKeptName(const QString &folder, const std::function<void(const QString &, FolderName)> &keep,
                     const std::function<bool()> &stopped)
{
#ifdef Q_OS_UNIX
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return true;
    bool whole = true;
    while (const dirent *entry = readdir(dir)) {
        if (stopped()) {
            whole = false;
            break;
        }
        const char *name = entry->d_name;
        if (qstrcmp(name, ".") != 0 && qstrcmp(name, "..") != 0)
            offer(name, keep);
    }
    closedir(dir);
    return whole;
#else
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        if (stopped())
            return false;
        it.next();
        const QString name = it.fileName();
        const FolderName kind = classify(name);
        if (kind.hasCapitals || kind.isThumbnail)
            keep(name, kind);
    }
    return true;
#endif
}

} // namespace modcol

#pragma once

#include <stdexcept>

#include <QString>

namespace catalogue {

// Every failure of the catalogue engine: opening, statements, record-set
// moves. what() is a Spanish sentence for the user (UTF-8), naming the file
// where one is involved.
class CatalogueError : public std::runtime_error
{
public:
    explicit CatalogueError(const QString &message);

    QString message() const { return QString::fromUtf8(what()); }

    // The catalogue file itself is broken: no later statement can be trusted
    // to see all of it.
    bool isDamage() const { return m_damage; }

    // The failures of opening a file, worded once for every caller.
    static CatalogueError missingFile(const QString &path);
    static CatalogueError unreadable(const QString &path, const QString &reason);
    static CatalogueError notADatabase(const QString &path);
    static CatalogueError damaged(const QString &path, const QString &detail);
    static CatalogueError wrongPassword(const QString &path);

private:
    bool m_damage = false;
};

} // namespace catalogue

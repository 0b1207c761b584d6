#pragma once

#include <vector>

#include <QString>
#include <mdbtools.h>

#include "catalogue/private/engineonly.h"
#include "catalogue/private/jetheader.h"

namespace catalogue {

// A user table as the system catalogue lists it.
struct JetTableEntry
{
    QString name;
    quint32 definitionPage = 0;
};

// An open Jet file: the libmdb handle and the list of user tables, read from
// the system catalogue by this code rather than by libmdb, whose catalogue
// reader also parses property blobs and loops or overruns on damaged ones.
class JetFile
{
public:
    // Throws CatalogueError when libmdb refuses the file or its catalogue is damaged.
    JetFile(const QString &path, const JetHeader &header);
    ~JetFile();
    JetFile(const JetFile &) = delete;
    JetFile &operator=(const JetFile &) = delete;

    MdbHandle *handle() const { return m_mdb; }
    const QString &path() const { return m_path; }
    const JetHeader &header() const { return m_header; }
    const std::vector<JetTableEntry> &userTables() const { return m_tables; }

    bool hasPage(quint64 page) const { return page > 0 && page < quint64(m_header.pageCount); }
    // A copy of page `page` (decrypted where the file is). Throws the
    // damaged-file error when the page is outside the file or unreadable.
    void readPage(quint64 page, std::vector<unsigned char> &out) const;
    // Throws the damaged-file error for this file, naming the table being
    // read, if any.
    [[noreturn]] void damaged(const QString &detail) const;

    // While one lives, damage found anywhere in the file (a page, a long
    // value) is reported as damage of `table`.
    class ReadingTable
    {
    public:
        ReadingTable(const JetFile &file, const QString &table);
        ~ReadingTable();
        ReadingTable(const ReadingTable &) = delete;
        ReadingTable &operator=(const ReadingTable &) = delete;

    private:
        const JetFile &m_file;
        QString m_previous;
    };

private:
    void readCatalogue();

    QString m_path;
    JetHeader m_header;
    MdbHandle *m_mdb = nullptr;
    std::vector<JetTableEntry> m_tables;
    mutable QString m_readingTable; // only for messages
};

} // namespace catalogue

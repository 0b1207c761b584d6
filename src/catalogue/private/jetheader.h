#pragma once

#include <QString>
#include <QtGlobal>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// What page 0 of a Jet file says, read and checked before libmdb sees the
// file: libmdb trusts the header and goes astray on a short or foreign file.
struct JetHeader
{
    int version = 0;      // byte 0x14: 0 Jet 3, 1 Jet 4, 2 and later the newer formats
    int pageSize = 0;     // 2048 for Jet 3, 4096 for the others
    qint64 pageCount = 0;
    QString password;     // the database password, empty when the file has none

    bool isJet3() const { return version == 0; }
};

// Throws CatalogueError for a missing, unreadable, foreign or truncated file.
JetHeader readJetHeader(const QString &path);

// The password field of page 0 (after the fixed RC4 obfuscation is undone).
// Jet 4 masks it further with the integer part of the creation date.
QString decodeJetPassword(const QByteArray &plainPage0, int version);

} // namespace catalogue

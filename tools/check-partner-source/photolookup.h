#pragma once

#include <vector>

#include <QFuture>
#include <QString>
#include <QStringList>

#include "cataloguewalk.h"
#include "filelookup/cataloguepaths.h"

namespace partnercheck {

// The files the program will show for one offer.
struct OfferFiles
{
    QString thumbnail;  // the result cell's picture, or empty
    QStringList photos; // one per photo row, empty where the program finds no file
};

// Each offer's files by the program's own thumbnail and photo file rules,
// looked up on the other cores while the caller goes on, in the offers' order.
QFuture<OfferFiles> findFiles(const std::vector<OfferRows> &offers, const modcol::BaseFolders &folders);

} // namespace partnercheck

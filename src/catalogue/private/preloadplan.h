#pragma once

#include <memory>
#include <vector>

#include <QStringList>

#include "catalogue/private/engineonly.h"
#include "catalogue/private/jetfile.h"
#include "catalogue/private/jetheader.h"
#include "catalogue/private/sqliteconnection.h"
#include "catalogue/tablepreload.h"

namespace catalogue {

// What a preload needs, copied from its catalogue so that it can run on
// another thread: the file, the table and its indexes, and the name of the
// shared in-memory database it fills.
struct TablePreload::Plan
{
    QString path;
    JetHeader header;
    JetTableEntry entry;
    std::vector<QStringList> indexes; // stored column names
    QString databaseName;             // see SqliteConnection
    // Open from run() until the catalogue has attached the database: the
    // last connection to close would discard it.
    std::unique_ptr<SqliteConnection> connection;
};

} // namespace catalogue

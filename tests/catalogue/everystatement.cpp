#include "everystatement.h"

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "recordsetrows.h"
#include "statements/statements.h"

namespace testsupport {

namespace {

void readEveryField(catalogue::Recordset &recordset)
{
    forEachRow(recordset, [&] {
        for (int i = 0; i < recordset.FieldCount(); ++i)
            recordset.Fields(i);
    });
}

} // namespace

void sendEveryStatement(catalogue::Database &database)
{
    modcol::declareStatementIndexes(database);
    const QString noFilter = QStringLiteral(" ");
    for (const QString &sql : {modcol::typeListStatement(), modcol::cityListStatement(noFilter),
                               modcol::zoneListStatement(noFilter), modcol::qualitiesStatement()})
        readEveryField(*database.OpenRecordset(sql));

    const auto search = database.OpenRecordset(modcol::searchStatement(noFilter));
    const int key = search->Eof() ? 1 : search->Fields(0).Value.toInt();
    readEveryField(*search);
    readEveryField(*database.OpenRecordset(modcol::cardOffersStatement(noFilter)));
    readEveryField(*database.OpenRecordset(modcol::cardStatement(key)));
    for (const QString &sql : {modcol::firstPhotoStatement(key), modcol::cardPhotosStatement(key),
                               modcol::extractionPhotosStatement(key), modcol::viewerPhotosStatement(key)})
        readEveryField(*database.OpenRecordset(sql));
}

} // namespace testsupport

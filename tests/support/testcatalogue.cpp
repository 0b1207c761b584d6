#include "testcatalogue.h"

#include <QStringList>
#include <QTemporaryDir>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "demofolder/catalogueschema.h"
#include "mdbwrite/mdbwriter.h"
#include "recordsetrows.h"

namespace testsupport {

QString writeCatalogue(const QTemporaryDir &dir, const QString &sqlScript, const QString &password,
                       const QString &fileName)
{
    const QString path = dir.filePath(fileName);
    mdbwrite::Options options;
    options.password = password.toStdString();
    options.creationDate = 45429.4375; // 2024-05-17 10:30
    mdbwrite::writeScript(sqlScript.toStdString(), path.toStdString(), options);
    return path;
}

QString catalogueSchemaSql()
{
    return QString::fromStdString(demofolder::catalogueSchemaSql());
}

QString queryText(const QString &catalogue, const QString &password, const QString &sql)
{
    const auto database = catalogue::Database::OpenDatabase(
        catalogue, password.isEmpty() ? QString() : QStringLiteral(";PWD=") + password);
    const auto recordset = database->OpenRecordset(sql);
    QStringList rows;
    forEachRow(*recordset, [&] {
        QStringList fields;
        for (int i = 0; i < recordset->FieldCount(); ++i)
            fields << catalogue::numberAsText(recordset->Fields(i).Value);
        rows << fields.join(u'\t');
    });
    return rows.join(u'\n');
}

} // namespace testsupport

#include "testcatalogue.h"

#include <QTemporaryDir>

#include "demofolder/catalogueschema.h"
#include "mdbwrite/mdbwriter.h"

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

} // namespace testsupport

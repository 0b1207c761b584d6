#pragma once

#include <QString>

class QTemporaryDir;

namespace testsupport {

// Writes a Jet catalogue from an SQL script (CREATE TABLE and INSERT
// statements; the declared types choose the Jet types, see mdbwriter.h) into
// `dir` and returns its path. A fixed creation date keeps the file's bytes
// the same from run to run. Throws mdbwrite::WriteError when the script is
// refused.
QString writeCatalogue(const QTemporaryDir &dir, const QString &sqlScript, const QString &password = QString(),
                       const QString &fileName = QStringLiteral("catalogo.mdb"));

// The CREATE TABLE statements of the full catalogue, as the demo folder ships it.
QString catalogueSchemaSql();

} // namespace testsupport

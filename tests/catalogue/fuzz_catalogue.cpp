// libFuzzer target: each input is a catalogue file, opened with the
// program's password and sent every statement the program sends. The engine
// may refuse it (CatalogueError); anything else that escapes, a crash, a
// sanitizer report or a hang is a finding. How to run it: README, "Fuzzing".

#include <cstddef>
#include <cstdint>

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "everystatement.h"

namespace {

QString inputPath()
{
    static const QTemporaryDir folder;
    return folder.filePath(QStringLiteral("entrada.mdb"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Refused files are the common case here, not news.
    QLoggingCategory::setFilterRules(QStringLiteral("colaborador.catalogue.warning=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(inputPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.close();
    try {
        const auto database = catalogue::Database::OpenDatabase(file.fileName(), QStringLiteral(";PWD=pinoverdes_"));
        testsupport::sendEveryStatement(*database);
    } catch (const catalogue::CatalogueError &) {
    }
    return 0;
}

#include "scriptfile.h"

#include <QtDebug>

QString writeScriptFile(const QTemporaryDir &dir, const QString &name, const std::string &script,
                        const mdbwrite::Options &options)
{
    const QString path = dir.filePath(name);
    try {
        mdbwrite::writeScript(script, path.toStdString(), options);
    } catch (const mdbwrite::WriteError &error) {
        qWarning("mdbwrite: %s", error.what());
        return {};
    }
    return path;
}

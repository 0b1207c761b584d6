#pragma once

#include "mdbwrite/mdbwriter.h"

#include <QString>
#include <QTemporaryDir>

#include <string>

// Writes `script` as `name` inside `dir`. Returns the file's path, or an empty string after
// printing the writer's error.
QString writeScriptFile(const QTemporaryDir &dir, const QString &name, const std::string &script,
                        const mdbwrite::Options &options = {});

#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Files and programs as the suites make and run them.
namespace testsupport {

// Writes `bytes` to `path`, making its folders as needed, and returns the
// path; the run ends when it cannot.
QString writeFile(const QString &path, const QByteArray &bytes = QByteArray());

// The contents of `path`; empty when it cannot be read.
QByteArray readFile(const QString &path);

struct ProgramRun
{
    int status = -1; // -1: it crashed or did not end within a minute
    QByteArray out;
    QByteArray err;
};

// Runs `program` to its end, `input` on its standard input.
ProgramRun runProgram(const QString &program, const QStringList &arguments, const QByteArray &input = QByteArray(),
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

} // namespace testsupport

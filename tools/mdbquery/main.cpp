// mdbquery [--password PWD] FILE.mdb "STATEMENT"
//
// Runs one statement through the program's own catalogue engine and prints
// what the program would see: a line of field names, then one line per row,
// fields separated by tabs, Null as nothing, numbers and dates as the
// program's regional settings write them. Tabs and line breaks inside a value are
// written as \t, \r and \n. Any failure: one line on standard error, exit 2.

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QStringList>
#include <unistd.h>

#include "catalogue/catalogueerror.h"
#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"

namespace {

constexpr int FailureStatus = 2;

struct Arguments
{
    QString password;
    QString file;
    QString statement;
};

bool parseArguments(const QStringList &arguments, Arguments &parsed)
{
    QStringList positional;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--password") && i + 1 < arguments.size())
            parsed.password = arguments.at(++i);
        else
            positional << arguments.at(i);
    }
    if (positional.size() != 2)
        return false;
    parsed.file = positional.at(0);
    parsed.statement = positional.at(1);
    return true;
}

QString printable(const QVariant &value)
{
    QString text = catalogue::numberAsText(value);
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(u'\r', QStringLiteral("\\r"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

void printLine(const QStringList &fields)
{
    const QByteArray line = fields.join(u'\t').toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
}

int fail(const QString &message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "mdbquery: %s\n", message.toUtf8().constData());
    return FailureStatus;
}

int run(const Arguments &arguments)
{
    using namespace catalogue;
    const QString connect = arguments.password.isEmpty()
        ? QString()
        : QStringLiteral(";PWD=") + arguments.password;
    auto database = Database::OpenDatabase(arguments.file, connect);
    auto recordset = database->OpenRecordset(arguments.statement);
    QStringList names;
    for (int i = 0; i < recordset->FieldCount(); ++i)
        names << recordset->FieldName(i);
    printLine(names);
    for (; !recordset->Eof(); recordset->MoveNext()) {
        QStringList fields;
        for (int i = 0; i < recordset->FieldCount(); ++i)
            fields << printable(recordset->Fields(i).Value);
        printLine(fields);
    }
    return 0;
}

// libmdb reports oddities of damaged files on standard error by itself;
// this tool promises a single line there, so that chatter goes nowhere.
class QuietStandardError
{
public:
    QuietStandardError()
        : m_saved(dup(STDERR_FILENO))
    {
        std::fflush(stderr);
        if (std::FILE *null = std::freopen("/dev/null", "w", stderr))
            Q_UNUSED(null);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
        }
    }

private:
    int m_saved;
};

} // namespace

int main(int argc, char *argv[])
{
    catalogue::prepareJetLibrary();
    QCoreApplication application(argc, argv);
    catalogue::useSystemRegionalSettings();
    Arguments arguments;
    if (!parseArguments(QCoreApplication::arguments(), arguments))
        return fail(QStringLiteral("uso: mdbquery [--password CONTRASEÑA] ARCHIVO.mdb \"INSTRUCCIÓN\""));
    QString failure;
    int status = 0;
    {
        QuietStandardError quiet;
        try {
            status = run(arguments);
        } catch (const catalogue::CatalogueError &error) {
            failure = error.message();
        } catch (const std::exception &error) {
            failure = QString::fromUtf8(error.what());
        }
    }
    return failure.isEmpty() ? status : fail(failure);
}

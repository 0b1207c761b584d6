// The partner folder: an agency's folder checked with the program's own code,
// then laid out with the program and everything it loads, so that a copy of
// it starts read-only on a desktop without the build machine's libraries.
#include <algorithm>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "demofolder/demofolder.h"
#include "hostilepictures.h"
#include "testcatalogue.h"
#include "testfiles.h"

namespace {

using testsupport::runProgram;
using testsupport::writeFile;

// The check's report on `folder`; its status and errors instead when the
// status is not `status`, so that what is looked for in it fails saying why.
QString check(const QString &folder, int status)
{
    const testsupport::ProgramRun run = runProgram(QStringLiteral(CHECK_TOOL), {folder});
    return run.status == status ? QString::fromUtf8(run.out) : QStringLiteral("status %1: %2").arg(run.status).arg(run.err);
}

QStringList treeOf(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    entries.sort();
    return entries;
}

// The files a running process has mapped: its libraries, fonts, translations.
QStringList mappedFiles(qint64 pid)
{
    QStringList files;
    for (const QByteArray &line : testsupport::readFile(QStringLiteral("/proc/%1/maps").arg(pid)).split('\n')) {
        const qsizetype slash = line.indexOf(" /");
        if (slash >= 0)
            files << QString::fromUtf8(line.mid(slash + 1));
    }
    files.removeDuplicates();
    return files;
}

// The libraries and fonts of `files` that come neither from `folder`'s lib/
// nor, for a library, from the base every desktop has.
QStringList foreignFiles(const QStringList &files, const QString &folder)
{
    const QStringList base = QStringLiteral(BASE_LIBRARIES).split(' ');
    QStringList foreign;
    for (const QString &file : files) {
        const QString name = QFileInfo(file).fileName();
        const bool font = name.endsWith(".ttf") || name.endsWith(".otf");
        const bool library = name.contains(".so")
            && std::none_of(base.begin(), base.end(), [&](const QString &b) { return name.startsWith(b); });
        if ((font || library) && !file.startsWith(folder + "/lib/"))
            foreign << file;
    }
    return foreign;
}

// A desktop with no library or plugin paths set, and no fonts at all:
// fontconfig sees none of this machine's.
QProcessEnvironment bareDesktop(const QString &scratch)
{
    const QString noFonts = scratch + "/fonts.conf";
    writeFile(noFonts, "<fontconfig></fontconfig>\n");
    QProcessEnvironment environment;
    environment.insert("FONTCONFIG_FILE", noFonts);
    environment.insert("HOME", scratch);
    environment.insert("TMPDIR", scratch);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "colaborador.startup.debug=true");
    return environment;
}

} // namespace

class TestPartnerFolder : public QObject
{
    Q_OBJECT

private slots:
    // A demo folder with a damaged photo, a photo over the picture budget and
    // no help document, beside the photos the demo always leaves missing.
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        demofolder::makeDemoFolder(source(), {30, 2, 1});
        writeFile(source() + "/fotos/00007_01.jpg", "no es una foto");
        writeFile(source() + "/fotos/00007_02.jpg", testsupport::pngDeclaring({20000, 20000}));
        QVERIFY(QFile::remove(source() + "/funcionesbrezomar.pdf"));
    }

    // Refused with its reason and a failing status, before anything is made;
    // handed out, each kind of fault counted and its first cases named.
    void checks_data()
    {
        QTest::addColumn<QString>("catalogue"); // what the folder holds: the demo, or a brezomar.mdb of its own
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("report"); // patterns found in the report
        QTest::newRow("no catalogue") << "" << 1 << QStringList{"RECHAZADA", "falta brezomar.mdb"};
        QTest::newRow("wrong password") << "password" << 1 << QStringList{"RECHAZADA", "La contraseña no es válida"};
        QTest::newRow("damaged") << "damaged" << 1 << QStringList{"RECHAZADA", "está dañada"};
        QTest::newRow("a statement fails") << "offers only" << 1 << QStringList{"RECHAZADA", "Una consulta del programa falla"};
        QTest::newRow("the demo, with faults") << "demo" << 0
            << QStringList{"\\d+ de \\d+ fotos no están en la carpeta:\n\\s+oferta \\d+: fotos\\\\",
                           "1 de \\d+ fotos no se pueden leer .*\n\\s+oferta 7: fotos/00007_01.jpg\n",
                           "1 de \\d+ fotos son demasiado grandes.*\n\\s+oferta 7: fotos/00007_02.jpg\n",
                           "\\d+ de 30 ofertas no tendrán imagen", "Falta el documento de ayuda"};
    }

    void checks()
    {
        QFETCH(QString, catalogue);
        QFETCH(int, status);
        QFETCH(QStringList, report);
        QTemporaryDir folder;
        const QString file = QStringLiteral("brezomar.mdb");
        if (catalogue == "password")
            testsupport::writeCatalogue(folder, testsupport::catalogueSchemaSql(), "otra", file);
        else if (catalogue == "damaged")
            writeFile(folder.filePath(file), testsupport::readFile(DAMAGED_FOLDER "/page-map.mdb"));
        else if (catalogue == "offers only")
            testsupport::writeCatalogue(folder, "CREATE TABLE ofertas (Cod_Ofer INTEGER);", "pinoverdes_", file);
        const QString text = check(catalogue == "demo" ? source() : folder.path(), status);
        for (const QString &pattern : report)
            QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(pattern + " in:\n" + text));
    }

    // Laid out, a read-only copy starts headless with nothing of the build
    // machine's but the desktop's base, and writes nothing into its folder.
    void partnerFolderRunsOnItsOwn()
    {
        const QString out = m_scratch.filePath("out");
        const auto layout = runProgram(QStringLiteral(CMAKE_COMMAND),
                                       {"-DSOURCE=" + source(), "-DOUT=" + out, "-P", QStringLiteral(PARTNER_SCRIPT)});
        QVERIFY2(layout.status == 0, layout.out + layout.err);
        for (const QString &entry : treeOf(out))
            QVERIFY2(!QFileInfo(entry).isSymLink(), qPrintable(entry));
        QVERIFY(testsupport::readFile(source() + "/brezomar.mdb") == testsupport::readFile(out + "/brezomar.mdb"));
        // An empty entry would search the current folder.
        const QRegularExpression rpath("RPATH +\\$ORIGIN/lib\n");
        QVERIFY(QString::fromUtf8(runProgram("objdump", {"-p", out + "/colaborador"}).out).contains(rpath));

        const QString folder = m_scratch.filePath("readonly");
        QCOMPARE(runProgram("cp", {"-R", out, folder}).status, 0);
        QCOMPARE(runProgram("chmod", {"-R", "a-w", folder}).status, 0);
        const QStringList before = treeOf(folder);

        QProcess program;
        program.setProcessEnvironment(bareDesktop(m_scratch.path()));
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(folder + "/colaborador", QStringList());
        QVERIFY(program.waitForStarted());
        // The catalogue opens on the results window's first layout.
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT((log += program.readAllStandardOutput()).contains("catalogue opened:")
                                     || program.state() != QProcess::Running, 10000);
        QVERIFY2(program.state() == QProcess::Running, log.constData());
        // Its texts in the folder's font, Qt's own in Spanish, the logo by the folder's JPEG plugin.
        for (const char *part : {"/lib/fonts/LiberationSans-", "/lib/translations/qtbase_es.qm",
                                 "/lib/plugins/imageformats/libqjpeg.so"}) {
            QTRY_VERIFY2_WITH_TIMEOUT(!mappedFiles(program.processId()).filter(folder + part).isEmpty(), part, 10000);
        }
        const QStringList foreign = foreignFiles(mappedFiles(program.processId()), folder);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join('\n')));
        program.kill();
        program.waitForFinished();
        QCOMPARE(treeOf(folder), before);
    }

    void cleanupTestCase()
    {
        // The read-only copy, so that the scratch folder can go.
        runProgram("chmod", {"-R", "u+w", m_scratch.path()});
    }

private:
    QString source() const { return m_scratch.filePath("source"); }

    QTemporaryDir m_scratch;
};

QTEST_MAIN(TestPartnerFolder)
#include "tst_partnerfolder.moc"

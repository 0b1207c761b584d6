// Start-up: the settings, the working copy of the catalogue, the agency's
// name, and what the program sets on the whole application before its first
// window.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h> // mkfifo, umask
#endif

#include "catalogue/catalogueerror.h"
#include "startup/agencyname.h"
#include "startup/modcol.h"
#include "startup/qttranslation.h"
#include "startup/registro.h"
#include "startup/workingcopy.h"
#include "testfiles.h"
#include "widgets/escapekey.h"

using namespace modcol;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

QByteArray utf16(QStringConverter::Encoding encoding, const QString &text)
{
    return QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(text);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The settings of the test live in a folder of its own, never the user's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
        modcol::ignoreEscapeRepeats(*qApp);
        QVERIFY(modcol::installQtTranslation(*qApp));
    }

    // The files written by hand: the settings, whose path is taken as
    // written, and the agency's name, from any Windows editor.
    void handWrittenFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents"); // null: no file
        QTest::addColumn<QString>("read");        // the folder of Rutabd, or the agency's name
        const QString settings = "Brezomar.conf";
        const QString agency = "nombreinmobiliaria.txt";
        QTest::newRow("comma") << settings << QByteArray("Rutabd=/srv/Fotos, 2006/brezomar.mdb\n") << "/srv/Fotos, 2006/";
        QTest::newRow("semicolon") << settings << QByteArray("Rutabd=/srv/fotos;viejas/brezomar.mdb") << "/srv/fotos;viejas/";
        QTest::newRow("backslashes, CR LF") << settings << QByteArray("Rutabd=C:\\Datos\\brezomar.mdb\r\nOtro=1\r\n")
                                            << "C:/Datos/";
        QTest::newRow("quoted, other case, in a section")
            << settings << QByteArray("[General]\nRUTABD = \"/srv/con espacios/brezomar.mdb\"\n") << "/srv/con espacios/";
        QTest::newRow("empty, lower case") << settings << QByteArray("rutabd=\n") << "";
        QTest::newRow("no separator") << settings << QByteArray("Rutabd=brezomar.mdb") << "";
        QTest::newRow("commented out") << settings << QByteArray("#Rutabd=/srv/x/brezomar.mdb\n") << "";
        QTest::newRow("no settings") << settings << QByteArray() << "";
        QTest::newRow("Windows-1252, CR LF") << agency << QByteArray("  Inmobiliaria \xD1" "and\xFA  \r\nsegunda\r\n")
                                             << "Inmobiliaria Ñandú";
        QTest::newRow("CR only") << agency << QByteArray("Casas del Sur\rSegunda linea\r") << "Casas del Sur";
        QTest::newRow("UTF-8") << agency << QByteArray("\tPeñíscola Costa \n") << "Peñíscola Costa";
        QTest::newRow("UTF-8 with mark") << agency << QByteArray("\xEF\xBB\xBF" "Cádiz Casas\r\n") << "Cádiz Casas";
        QTest::newRow("UTF-16 LE with mark") << agency << utf16(QStringConverter::Utf16LE, " Inmobiliaria Ñandú\r\nsegunda")
                                             << "Inmobiliaria Ñandú";
        QTest::newRow("UTF-16 BE with mark") << agency << utf16(QStringConverter::Utf16BE, "Casas € \rsegunda") << "Casas €";
        QTest::newRow("empty") << agency << QByteArray("") << "";
        QTest::newRow("blank first line") << agency << QByteArray("   \r\nNombre\r\n") << "";
        QTest::newRow("no agency file") << agency << QByteArray() << "";
    }

    void handWrittenFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(QString, read);
        const QString path = m_dir.filePath("config/" + file);
        QFile::remove(path);
        if (!contents.isNull())
            writeFile(path, contents);
        QCOMPARE(file.endsWith(".conf") ? folderOf(LeeRegistro()) : readAgencyName(path), read);
    }

    void workingCopyName()
    {
        const QDateTime start(QDate(2006, 10, 23), QTime(17, 45, 2));
        const QString name = "20061023174502.mdb";
        QCOMPARE(workingCopyPath(m_dir.path(), start), m_dir.filePath(name));
        QCOMPARE(workingCopyPath(m_dir.path() + "/", start.addMSecs(900)), m_dir.filePath(name));
        QCOMPARE(workingCopyPath(QCoreApplication::applicationFilePath(), start), name); // a file is no folder
    }

    // TMPDIR naming a missing folder and no catalogue beside the program:
    // the name stays relative, and opening reports the missing catalogue.
    void startWithoutTemporaryFolderOrCatalogue()
    {
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_dir.filePath("missing")));
        Main();
        qputenv("TMPDIR", tmpdir);
        QVERIFY2(QRegularExpression("^\\d{14}\\.mdb$").match(RutaTemp).hasMatch(), qPrintable(RutaTemp));
        QVERIFY(!QFile::exists(RutaTemp));
        try {
            AbreBaseDatos();
            QFAIL("opened a working copy that was never made");
        } catch (const catalogue::CatalogueError &e) {
            QVERIFY2(e.message().contains("brezomar.mdb"), qPrintable(e.message()));
        }
    }

    // The working copy's name is predictable in a shared folder: what lies
    // under it is replaced, never written through, but for a folder, which
    // stays; a read-only catalogue on a CD still gives a writable copy. Only
    // an ordinary catalogue is read, never waited on. A refusal says what it
    // met, and no copy is made.
    void workingCopy_data()
    {
        QTest::addColumn<QString>("source");   // what the catalogue is: "file", "folder" or "fifo"
        QTest::addColumn<QString>("planted");  // under the copy's name: "", "file", "link", "dangling link", "folder"
        QTest::addColumn<QFile::Permissions>("mode"); // of the planted file, or the one a link points at
        QTest::addColumn<QString>("refusal");  // empty: copied
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QTest::newRow("read-only leftover") << "file" << "file" << readOnly << "";
        QTest::newRow("link to a read-only file") << "file" << "link" << readOnly << "";
        QTest::newRow("link to another's file") << "file" << "link" << (QFile::ReadOwner | QFile::WriteOwner) << "";
        QTest::newRow("dangling link") << "file" << "dangling link" << QFile::Permissions() << "";
        QTest::newRow("a folder in the copy's place") << "file" << "folder" << QFile::Permissions() << "ya hay una carpeta";
        QTest::newRow("a folder as the catalogue") << "folder" << "" << QFile::Permissions() << "es una carpeta";
#ifdef Q_OS_UNIX
        QTest::newRow("a FIFO as the catalogue") << "fifo" << "" << QFile::Permissions() << "no es un archivo normal";
#endif
    }

    void workingCopy()
    {
        QFETCH(QString, source);
        QFETCH(QString, planted);
        QFETCH(QFile::Permissions, mode);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString catalogue = dir.filePath("cd/brezomar.mdb");
        const QString target = dir.filePath("tmp/20061023174502.mdb");
        const QString other = dir.filePath("ajena/clave");
        QDir().mkpath(dir.filePath("tmp"));
        if (source == "file") {
            QFile::setPermissions(writeFile(catalogue, QByteArray(100000, 'j')), QFile::ReadOwner);
        } else if (source == "folder") {
            writeFile(catalogue + "/dentro", "x");
#ifdef Q_OS_UNIX
        } else {
            QDir().mkpath(dir.filePath("cd"));
            QCOMPARE(::mkfifo(QFile::encodeName(catalogue).constData(), 0600), 0);
#endif
        }
        if (planted == "file" || planted == "link")
            QFile::setPermissions(writeFile(planted == "link" ? other : target, "ajeno"), mode);
        const QFile::Permissions before = QFile::permissions(other);
        if (planted.endsWith("link"))
            QVERIFY(QFile::link(other, target));
        if (planted == "folder")
            writeFile(target + "/dentro", "x");
#ifdef Q_OS_UNIX
        // A user mask that takes the owner's write away must not make the copy read-only.
        const mode_t userMask = ::umask(0222);
        const auto restoreMask = qScopeGuard([userMask] { ::umask(userMask); });
#endif
        try {
            copyCatalogue(catalogue, target);
            QVERIFY2(refusal.isEmpty(), "copied");
        } catch (const catalogue::CatalogueError &e) {
            QVERIFY2(!refusal.isEmpty() && e.message().contains(refusal), qPrintable(e.message()));
            QCOMPARE(QFileInfo(target).isDir(), planted == "folder");
            QCOMPARE(readFile(target + "/dentro"), QByteArray(planted == "folder" ? "x" : ""));
            return;
        }
        // The mode itself: opening it for writing would prove nothing to root.
        QVERIFY(!QFileInfo(target).isSymLink() && QFile::permissions(target).testFlag(QFile::WriteOwner));
        QCOMPARE(readFile(target), QByteArray(100000, 'j'));
        if (planted == "link") {
            QCOMPARE(readFile(other), QByteArray("ajeno"));
            QCOMPARE(QFile::permissions(other), before);
        }
        QCOMPARE(QDir(dir.filePath("tmp")).entryList(QDir::Files).size(), 1);
    }

    // A held Escape closes the window in front, not the ones behind it.
    void repeatsOfAHeldEscapeAreDropped()
    {
        QDialog dialog;
        auto *edit = new QLineEdit(&dialog);
        dialog.show();
        edit->setFocus();

        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(edit, &repeat);
        QVERIFY(dialog.isVisible());

        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
        QVERIFY(!dialog.isVisible());
    }

    // Qt's own texts: message-box buttons and the price boxes' context menu.
    void qtTextsAreSpanish()
    {
        QMessageBox box(QMessageBox::Information, "t", "x", QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QString("Aceptar"));
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        const QString undo = menu->actions().constFirst()->text();
        QVERIFY2(undo.startsWith("&Deshacer"), qPrintable(undo));
    }
private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

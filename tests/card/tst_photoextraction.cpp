// Copying an offer's photos into a folder: the names, what is copied and
// counted, and that no source is ever damaged; then the card's menu entry
// with its message, and the folder dialog.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

#include "card/clsdialog.h"
#include "card/frmficha.h"
#include "card/photoextraction.h"
#include "cardtest.h"
#include "resultsfixture.h"
#include "startup/modcol.h"

using namespace cardtest;
using namespace card;

namespace {

// Offer 7 ("A/B:12") has a present, a missing, a hidden and a capitalised
// photo; offer 8 none.
const QString Data = onePlaceRows() + QStringLiteral(R"sql(
INSERT INTO ofertas (Cod_Ofer, ref, Key_Tipo, Key_Loca, Key_Zona, precioinmo, Conservacion, keyori) VALUES
    (7, ' A/B:12 ', 1, 1, 1, 1000, 1, 1), (8, 'C8', 1, 1, 1, 2000, 1, 1);
INSERT INTO fotos VALUES
    (71, 7, 'fotos\a.jpg', 2, 0), (72, 7, 'fotos\b.jpg', 1, 0), (73, 7, 'fotos\c.JPG', 3, 1);
)sql");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestPhotoExtraction : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<CardFixture>(Data);
        m_app = m_fixture->appFolder() + "/";
        m_target = m_fixture->scratch() + "/copias";
        QVERIFY(QDir().mkpath(m_target));
        writeFile(m_app + "fotos/a.jpg", "foto a");
        writeFile(m_app + "fotos/c.JPG", "foto c");
    }
    void cleanup() { m_fixture.reset(); }

    void names_data()
    {
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("name");
        QTest::newRow("reference cleaned") << "A/B:12" << 1 << "fotos\\a.jpg" << "AB12-foto01.jpg";
        QTest::newRow("quotes, separators, blanks around") << " \"x\\y;z'w\" " << 12 << "a.JPG" << "xyzw-foto12.JPG";
        QTest::newRow("characters no system takes") << "a*b?c<d>e|f\tg" << 2 << "f.png" << "abcdefg-foto02.png";
        QTest::newRow("empty after cleaning") << "//" << 3 << "f.jpg" << "-foto03.jpg";
        QTest::newRow("a hundred") << "R" << 100 << "f.jpg" << "R-foto100.jpg";
        QTest::newRow("dot in a folder's name") << "R" << 1 << "fo.tos\\foto" << "R-foto01";
        QTest::newRow("last dot") << "R" << 1 << "fotos/a.b.jpeg" << "R-foto01.jpeg";
    }
    void names()
    {
        QFETCH(QString, referencia);
        QFETCH(int, n);
        QFETCH(QString, ruta);
        QFETCH(QString, name);
        QCOMPARE(photoCopyName(cleanReference(referencia), n, ruta), name);
    }

    // Missing photos and rows without a path take no number; existing
    // copies are replaced; copies that cannot be written are counted apart.
    void copies()
    {
        writeFile(m_target + "/AB12-foto01.jpg", "copia vieja");
        const auto count = extractPhotos({"fotos\\a.jpg", "fotos\\falta.jpg", "", "fotos\\C.jpg"}, "AB12", m_target,
                                         modcol::baseFolders());
        QCOMPARE(count.copied, 2);
        QCOMPARE(count.failed, 0);
        QCOMPARE(filesIn(m_target), QStringList({"AB12-foto01.jpg", "AB12-foto02.jpg"}));
        QCOMPARE(contents(m_target + "/AB12-foto01.jpg"), QByteArray("foto a"));
        QCOMPARE(contents(m_target + "/AB12-foto02.jpg"), QByteArray("foto c"));
        QCOMPARE(extractionMessage(count), QString("Se han copiado 2 fotos"));
    }

    void failedCopiesAreCounted()
    {
        QVERIFY(QDir().mkpath(m_target + "/AB12-foto02.JPG"));
        writeFile(m_target + "/AB12-foto01.jpg", "copia vieja");
        auto count = extractPhotos({"fotos\\a.jpg", "fotos\\c.JPG"}, "AB12", m_target + "/falta", modcol::baseFolders());
        QCOMPARE(count.copied, 0);
        QCOMPARE(count.failed, 2);
        count = extractPhotos({"fotos\\a.jpg", "fotos\\c.JPG"}, "AB12", m_target, modcol::baseFolders());
        QCOMPARE(count.copied, 1);
        QCOMPARE(count.failed, 1);
        QCOMPARE(extractionMessage(count), QString("Se han copiado 1 fotos\nNo se han podido copiar 1 fotos"));
        QCOMPARE(filesIn(m_target), QStringList({"AB12-foto01.jpg"})); // no temporary file left
    }

    void hundredPhotos()
    {
        QStringList rutas;
        for (int i = 1; i <= 100; ++i) {
            rutas << QString("fotos\\p%1.jpg").arg(i);
            writeFile(m_app + rutas.last().replace('\\', '/'), QByteArray::number(i));
        }
        const auto count = extractPhotos(rutas, "R", m_target, modcol::baseFolders());
        QCOMPARE(count.copied, 100);
        QCOMPARE(contents(m_target + "/R-foto100.jpg"), QByteArray("100"));
        QCOMPARE(contents(m_target + "/R-foto09.jpg"), QByteArray("9"));
    }

    // The photos' own folder chosen: a copy that would land on one of the
    // photos being copied is not written.
    void sourcesNeverDamaged()
    {
        writeFile(m_app + "fotos/AB12-foto02.jpg", "segunda");
        writeFile(m_app + "fotos/AB12-foto01.jpg", "primera");
        const auto count = extractPhotos({"fotos\\AB12-foto02.jpg", "fotos\\AB12-foto01.jpg", "fotos\\a.jpg"}, "AB12",
                                         m_app + "fotos", modcol::baseFolders());
        QCOMPARE(count.copied, 1);
        QCOMPARE(count.failed, 2);
        QCOMPARE(contents(m_app + "fotos/AB12-foto02.jpg"), QByteArray("segunda"));
        QCOMPARE(contents(m_app + "fotos/AB12-foto01.jpg"), QByteArray("primera"));
        QCOMPARE(contents(m_app + "fotos/AB12-foto03.jpg"), QByteArray("foto a"));
    }

    // "Extraer Fotos" on the card: every row of the offer, hidden photos
    // too, in the table's order, named after the reference on the card; a
    // cancelled dialog copies and says nothing.
    void fromTheCard_data()
    {
        QTest::addColumn<int>("offer");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("message");
        QTest::newRow("offer with photos") << 7 << false << QStringList{"AB12-foto01.jpg", "AB12-foto02.JPG"}
                                           << "Se han copiado 2 fotos";
        QTest::newRow("offer without photos") << 8 << false << QStringList() << "Se han copiado 0 fotos";
        QTest::newRow("cancelled") << 7 << true << QStringList() << "";
    }
    void fromTheCard()
    {
        QFETCH(int, offer);
        QFETCH(bool, cancel);
        QFETCH(QStringList, files);
        QFETCH(QString, message);
        QString shown;
        const QWidget *owner = nullptr;
        const WhenShown<QMessageBox> answer([&](QMessageBox &box) {
            shown = box.text();
            QCOMPARE(box.icon(), QMessageBox::Information);
        });
        verFormu(" ", offer, [&](frmficha &ficha) {
            ficha.setFolderChooser([&](QWidget *parent) {
                owner = parent;
                return cancel ? QString() : m_target;
            });
            ficha.findChild<QAction *>("mextraefotos")->trigger();
            QCOMPARE(owner, &ficha);
        });
        QVERIFY(owner);
        QCOMPARE(shown, message);
        QCOMPARE(filesIn(m_target), files);
        QCOMPARE(contents(m_app + "fotos/a.jpg"), QByteArray("foto a"));
    }

    // The folder dialog offers folders only; cancelling gives no folder.
    void folderDialog_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void folderDialog()
    {
        QFETCH(bool, choose);
        QString title;
        bool foldersOnly = false;
        const WhenShown<QFileDialog> answer([&](QFileDialog &dialog) {
            title = dialog.windowTitle();
            foldersOnly = dialog.fileMode() == QFileDialog::Directory && dialog.testOption(QFileDialog::ShowDirsOnly);
            if (choose) {
                dialog.setDirectory(m_target);
                static_cast<QDialog &>(dialog).accept();
            }
        });
        const QString chosen = clsdialog().Selec_Dir(nullptr);
        QVERIFY(answer.ran());
        QCOMPARE(title, QString("Seleccionar Carpeta"));
        QVERIFY(foldersOnly);
        QCOMPARE(chosen, choose ? m_target : QString());
    }

private:
    std::unique_ptr<CardFixture> m_fixture;
    QString m_app;
    QString m_target;
};

QTEST_MAIN(TestPhotoExtraction)
#include "tst_photoextraction.moc"

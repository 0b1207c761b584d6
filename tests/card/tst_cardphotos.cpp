// The card's photos: loaded only where the user stops, 300 ms after the
// last move, decoded at the box's size and fitted into it; a photo that is
// missing or unreadable clears the box; a decode that ends after the user
// moved on is never shown. "AMPLIAR FOTO" and the photo picked in the
// viewer; "Extraer Fotos" and the copies it makes.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "card/frmficha.h"
#include "card/photoextraction.h"
#include "demofolder/outputfiles.h"
#include "partnerfolder.h"
#include "startup/modcol.h"
#include "pictures/pictureloader.h"
#include "viewer/frmfoto.h"
#include "viewer/viewermodel.h"

using namespace testsupport;
using modcol::PictureLoader;

namespace {

// Offers 1 to 6 in price order. Offer 1 has four photos, keys 1 to 4: a,
// b (hidden), c, d, stored d, c, b, a; 2 a missing one, 3 one that is no
// picture, 4 one without a path, 5 one outside the base folders, 6 none.
QList<Offer> offers()
{
    QList<Offer> offers = consecutiveOffers(6);
    offers[0].ref = " A/B:12 ";
    offers[0].photos = {{"fotos\\1_a.jpg"}, {"fotos\\1_b.jpg", true}, {"fotos\\1_c.JPG"}, {"fotos\\1_d.jpg"}};
    offers[1].photos = {{"fotos\\falta.jpg"}};
    offers[2].photos = {{"fotos\\roto.jpg"}};
    offers[3].photos = {{QString()}};
    offers[4].photos = {{"..\\secreto.jpg"}};
    return offers;
}

// The colour in the middle of a picture box's picture, JPEG's near colours
// taken as the pure ones; invalid when the box has no picture.
QColor pictureColour(const QLabel *box)
{
    const QPixmap picture = box->pixmap();
    if (picture.isNull())
        return QColor();
    const QColor colour = picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    const auto near = [](int value) { return value < 40 ? 0 : value > 215 ? 255 : value; };
    return QColor(near(colour.red()), near(colour.green()), near(colour.blue()));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each file of `folder`, hidden ones too (a temporary copy left behind), as
// "name=contents".
QStringList listing(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        files << name + '=' + QString::fromUtf8(contents(dir.filePath(name)));
    return files;
}

} // namespace

class TestCardPhotos : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<PartnerFolder>(offers());
        const QString photos = m_folder->appFolder() + "/fotos/";
        writePicture(photos + "1_a.jpg", QSize(800, 600), Qt::red);
        writePicture(photos + "1_b.jpg", QSize(800, 600), Qt::green);
        writePicture(photos + "1_c.JPG", QSize(800, 600), Qt::blue);
        writePicture(photos + "1_d.jpg", QSize(600, 800), Qt::magenta);
        writePicture(m_folder->scratch() + "/secreto.jpg", QSize(800, 600), Qt::yellow);
        demofolder::writeBytes(photos + "roto.jpg", "no es una foto");

        m_card = std::make_unique<card::frmficha>(nullptr);
        m_card->showOffers(" ", 1);
        m_card->show();
        m_timer = m_card->findChild<QTimer *>("Timer1");
        m_loader = m_card->findChild<PictureLoader *>();
        m_image = m_card->findChild<QLabel *>("Image1");
        m_loaded = std::make_unique<QSignalSpy>(m_loader, &PictureLoader::loaded);
    }
    void cleanup()
    {
        m_loaded.reset();
        m_card.reset();
        m_folder.reset();
    }

    // Three quick moves decode one photo, the third, at most at the box's
    // size; the box keeps its place and never grows beyond its design size.
    void threeQuickMovesLoadOnlyTheThird()
    {
        const QRect design = m_image->geometry();
        QVERIFY(m_timer->isActive()); // the first photo waits for the timer too
        navigate(*m_card, "DatImagen", "next", 3);
        QVERIFY(m_timer->isActive());
        QCOMPARE(m_loader->outstanding(), 0);
        showPhoto();
        QCOMPARE(m_loaded->count(), 1);
        QCOMPARE(pictureColour(m_image), QColor(Qt::magenta));
        QCOMPARE(m_image->pos(), design.topLeft());
        QVERIFY(m_image->height() == design.height() && m_image->width() < design.width());
        QVERIFY(m_image->pixmap().width() <= m_image->width() && m_image->pixmap().height() <= design.height());
    }


    // Whatever the next offer has instead of a readable photo, the previous
    // offer's photo does not stay on its card: the box says why there is none.
    void noPhotoSaysSo_data()
    {
        QTest::addColumn<int>("offer");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing file") << 2 << "Foto no disponible";
        QTest::newRow("not a picture") << 3 << "Foto no disponible";
        QTest::newRow("no path") << 4 << "Foto no disponible";
        QTest::newRow("path out of the base folders") << 5 << "Foto no disponible";
        QTest::newRow("no photos") << 6 << "Sin fotos";
    }
    void noPhotoSaysSo()
    {
        QFETCH(int, offer);
        QFETCH(QString, text);
        showPhoto();
        QCOMPARE(pictureColour(m_image), QColor(Qt::red));
        navigate(*m_card, "datprincip", "next", offer - 1);
        QCOMPARE(cardBox(*m_card, 5), QString("R%1").arg(offer));
        showPhoto();
        QVERIFY(m_image->pixmap().isNull());
        QCOMPARE(m_image->text(), text);
    }

    // A decode under way when the user moves to another photo or offer, or
    // closes the card, is never shown.
    void lateDecodeDropped_data()
    {
        QTest::addColumn<QString>("move");
        QTest::newRow("another photo") << "DatImagen";
        QTest::newRow("another offer") << "datprincip";
        QTest::newRow("closed") << "";
    }
    void lateDecodeDropped()
    {
        QFETCH(QString, move);
        QVERIFY(QMetaObject::invokeMethod(m_timer, "timeout"));
        QCOMPARE(m_loader->outstanding(), 1);
        if (move.isEmpty())
            m_card->reject();
        else
            navigate(*m_card, qPrintable(move), "next");
        QCOMPARE(m_timer->isActive(), !move.isEmpty());
        QTRY_COMPARE(m_loader->outstanding(), 0);
        QCOMPARE(m_loaded->count(), 0);
        QCOMPARE(pictureColour(m_image), QColor());
    }

    // "AMPLIAR FOTO" opens the viewer modally in the single view on the
    // card's photo; the photo double-clicked there becomes the card's, shown
    // after the card's timer, and any other close leaves the card's photo as
    // it was. No photos: no viewer.
    void enlarge_data()
    {
        QTest::addColumn<int>("offer");
        QTest::addColumn<bool>("pick");      // double-click the next photo, else Escape
        QTest::addColumn<QColor>("colour"); // the card's photo afterwards
        QTest::newRow("double-click") << 1 << true << QColor(Qt::magenta);
        QTest::newRow("Escape") << 1 << false << QColor(Qt::blue);
        QTest::newRow("no photos") << 6 << false << QColor();
    }
    void enlarge()
    {
        QFETCH(int, offer);
        QFETCH(bool, pick);
        QFETCH(QColor, colour);
        navigate(*m_card, "datprincip", "next", offer - 1);
        navigate(*m_card, "DatImagen", "next", 2); // to c on offer 1
        const WhenShown<viewer::FrmFoto> driver([&](viewer::FrmFoto &photoViewer) {
            QCOMPARE(QApplication::activeModalWidget(), &photoViewer);
            QCOMPARE(photoViewer.parentWidget(), m_card.get());
            QVERIFY(child(photoViewer, "FraFoto")->isVisible());
            auto *photo = child<QLabel>(photoViewer, "Img_0");
            QCOMPARE(photoViewer.internalsForTests().model.shownKey(), 3);
            if (pick) {
                QTest::keyClick(&photoViewer, Qt::Key_PageDown);
                QTRY_VERIFY(photo->isVisible());
                doubleClick(photo);
            }
        });
        QTest::mouseClick(child(*m_card, "Command1"), Qt::LeftButton);
        QCOMPARE(driver.shown(), offer == 1 ? 1 : 0);
        showPhoto();
        QCOMPARE(pictureColour(m_image), colour);
    }

    void names_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<QString>("name");
        QTest::newRow("reference cleaned") << "A/B:12" << 1 << "fotos\\a.jpg" << "AB12-foto01.jpg";
        QTest::newRow("quotes, separators, blanks around") << " \"x\\y;z'w\" " << 12 << "a.JPG" << "xyzw-foto12.JPG";
        QTest::newRow("characters no system takes") << "a*b?c<d>e|f\tg" << 2 << "f.png" << "abcdefg-foto02.png";
        QTest::newRow("a hundred") << "R" << 100 << "f.jpg" << "R-foto100.jpg";
        QTest::newRow("dot in a folder's name") << "R" << 1 << "fo.tos\\foto" << "R-foto01";
        QTest::newRow("last dot") << "R" << 1 << "fotos/a.b.jpeg" << "R-foto01.jpeg";
        QTest::newRow("direction override, invisible characters")
            << "AB\u202Egpj.exe\u200B\u2028" << 1 << "a.jpg" << "ABgpj.exe-foto01.jpg";
        QTest::newRow("dots: not hidden") << " .. " << 1 << "a.jpg" << "-foto01.jpg";
        // 255 bytes at most, cut between characters of two bytes each.
        QTest::newRow("too long") << QString(300, u'ñ') << 7 << "a.jpeg" << QString(121, u'ñ') + "-foto07.jpeg";
    }
    void names()
    {
        QFETCH(QString, reference);
        QFETCH(int, n);
        QFETCH(QString, ruta);
        QFETCH(QString, name);
        QCOMPARE(card::photoCopyName(card::cleanReference(reference), n, ruta), name);
    }

    // Missing photos and paths that are empty or leave the base folders take
    // no number; older copies are replaced; copies that cannot be written,
    // and copies that would land on one of the photos being copied (the
    // photos' own folder chosen), are counted apart and leave nothing behind.
    void extract_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("present, missing, empty, outside")
            << QStringList{"textos\\a.txt", "textos\\falta.txt", "", "..\\secreto.jpg", "textos\\C.TXT"} << "copias"
            << "Se han copiado 2 fotos en «%1»" << QStringList{"AB12-foto01.txt=foto a", "AB12-foto02.TXT=foto c"};
        QTest::newRow("a folder in the way")
            << QStringList{"textos\\a.txt", "textos\\a.txt", "textos\\c.TXT"} << "copias"
            << "Se han copiado 2 fotos en «%1»\nNo se ha podido copiar 1 foto"
            << QStringList{"AB12-foto01.txt=foto a", "AB12-foto02.txt=foto a"};
        QTest::newRow("the photos' own folder")
            << QStringList{"textos\\AB12-foto02.txt", "textos\\AB12-foto01.txt", "textos\\a.txt"} << "textos"
            << "Se ha copiado 1 foto en «%1»\nNo se han podido copiar 2 fotos"
            << QStringList{"AB12-foto01.txt=primera", "AB12-foto02.txt=segunda", "AB12-foto03.txt=foto a",
                           "a.txt=foto a", "c.TXT=foto c"};
    }
    void extract()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, folder);
        QFETCH(QString, message);
        QFETCH(QStringList, files);
        const QString app = m_folder->appFolder() + '/';
        QVERIFY(QDir().mkpath(app + "textos") && QDir().mkpath(app + "copias/AB12-foto03.TXT"));
        for (const auto &[name, text] : {std::pair("textos/a.txt", "foto a"), std::pair("textos/c.TXT", "foto c"),
                                         std::pair("textos/AB12-foto01.txt", "primera"),
                                         std::pair("textos/AB12-foto02.txt", "segunda"),
                                         std::pair("copias/AB12-foto01.txt", "copia vieja")})
            demofolder::writeBytes(app + name, text);
        const card::ExtractionCount count = card::extractPhotos(paths, "AB12", app + folder, modcol::baseFolders());
        QCOMPARE(card::extractionMessage(count, app + folder), message.arg(QDir::toNativeSeparators(app + folder)));
        QCOMPARE(listing(app + folder), files);
    }

    // "Extraer Fotos" on the card: a cancelled dialog copies and says
    // nothing; then every row of the offer, hidden photos too, in the
    // table's order (not the photos' order), named after the reference on
    // the card, with an information message.
    void fromTheCard()
    {
        const QString target = m_folder->scratch() + "/copias";
        QVERIFY(QDir().mkpath(target));
        const QWidget *owner = nullptr;
        QString chosen;
        m_card->setFolderChooser([&](QWidget *parent) {
            owner = parent;
            return chosen;
        });
        QStringList shown;
        const WhenShown<QMessageBox> answer([&](QMessageBox &box) {
            shown << box.text();
            QCOMPARE(box.icon(), QMessageBox::Information);
        });
        auto *extract = m_card->findChild<QAction *>("mextraefotos");
        extract->trigger();
        QCOMPARE(owner, m_card.get());
        QVERIFY(shown.isEmpty() && QDir(target).isEmpty());
        chosen = target;
        extract->trigger();
        QCOMPARE(shown, QStringList{"Se han copiado 4 fotos en «" + QDir::toNativeSeparators(target) + "»"});
        QCOMPARE(QDir(target).entryList(QDir::Files, QDir::Name),
                 QStringList({"AB12-foto01.jpg", "AB12-foto02.JPG", "AB12-foto03.jpg", "AB12-foto04.jpg"}));
        QCOMPARE(contents(target + "/AB12-foto02.JPG"), contents(m_folder->appFolder() + "/fotos/1_c.JPG"));
    }

private:
    // Fires the card's photo timer and waits for the load it starts.
    void showPhoto()
    {
        QVERIFY(QMetaObject::invokeMethod(m_timer, "timeout"));
        if (m_loader->outstanding() > 0)
            QVERIFY(m_loaded->wait());
    }

    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<card::frmficha> m_card;
    QTimer *m_timer = nullptr;
    PictureLoader *m_loader = nullptr;
    QLabel *m_image = nullptr;
    std::unique_ptr<QSignalSpy> m_loaded;
};

QTEST_MAIN(TestCardPhotos)
#include "tst_cardphotos.moc"

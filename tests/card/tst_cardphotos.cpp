// The card's photos: loaded only where the user stops, 300 ms after the
// last move, decoded at the box's size and fitted into it; a photo that is
// missing or unreadable clears the box; a decode that ends after the user
// moved on is never shown. "AMPLIAR FOTO" and the photo picked in the
// viewer; "Extraer Fotos" and the copies it makes.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "card/frmficha.h"
#include "card/photoextraction.h"
#include "demofolder/outputfiles.h"
#include "partnerfolder.h"
#include "pictures/pictureloader.h"
#include "startup/modcol.h"
#include "testfiles.h"
#include "viewer/frmfoto.h"
#include "viewer/viewermodel.h"
#include "widgets/recordnavigator.h"

using namespace testsupport;
using modcol::PictureLoader;
using modcol::RecordNavigator;

namespace {

// Offers 1 to 9 in price order. Offer 1 has four photos, keys 1 to 4: a,
// b (hidden), c, d, stored d, c, b, a; 2 a missing one, 3 one that is no
// picture, 4 one without a path, 5 one outside the base folders, 6 none;
// 7 to 9 text files to copy, listed last first (the table's order is the
// reverse of the photos' order).
QList<Offer> offers()
{
    QList<Offer> offers = consecutiveOffers(9);
    offers[0].ref = " A/B:12 ";
    offers[0].photos = {{"fotos\\1_a.jpg"}, {"fotos\\1_b.jpg", true}, {"fotos\\1_c.JPG"}, {"fotos\\1_d.jpg"}};
    offers[1].photos = {{"fotos\\falta.jpg"}};
    offers[2].photos = {{"fotos\\roto.jpg"}};
    offers[3].photos = {{QString()}};
    offers[4].photos = {{"..\\secreto.jpg"}};
    offers[6].photos = {{"textos\\C.TXT"}, {"..\\secreto.jpg"}, {""}, {"textos\\falta.txt"}, {"textos\\a.txt"}};
    offers[7].photos = {{"textos\\c.TXT"}, {"textos\\a.txt"}, {"textos\\a.txt"}};
    offers[8].photos = {{"textos\\a.txt"}, {"textos\\AB12-foto01.txt"}, {"textos\\AB12-foto02.txt"}};
    for (int i = 6; i < 9; ++i)
        offers[i].ref = "AB12";
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

// Each file of `folder`, hidden ones too (a temporary copy left behind), as
// "name=contents", a JPEG's contents as "JPEG".
QStringList listing(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const QByteArray contents = readFile(dir.filePath(name));
        files << name + '=' + (contents.startsWith("\xFF\xD8") ? "JPEG" : QString::fromUtf8(contents));
    }
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
        const card::frmficha::TestAccess access = m_card->testAccess();
        m_controls = &access.controls;
        m_timer = access.Timer1;
        m_loader = access.photoLoader;
        m_image = access.controls.Image1;
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
        next(m_controls->DatImagen, 3);
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
        next(m_controls->datprincip, offer - 1);
        QCOMPARE(m_controls->txtcampo[5]->text(), QString("R%1").arg(offer));
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
        fire(m_timer);
        QCOMPARE(m_loader->outstanding(), 1);
        if (move.isEmpty())
            m_card->reject();
        else
            next(move == "DatImagen" ? m_controls->DatImagen : m_controls->datprincip);
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
        next(m_controls->datprincip, offer - 1);
        next(m_controls->DatImagen, 2); // to c on offer 1
        const WhenShown<viewer::FrmFoto> driver([&](viewer::FrmFoto &photoViewer) {
            QCOMPARE(QApplication::activeModalWidget(), &photoViewer);
            QCOMPARE(photoViewer.parentWidget(), m_card.get());
            QCOMPARE(photoViewer.internalsForTests().model.shownKey(), 3);
            if (pick) {
                // The photo after the card's (d after c: the hidden b is not
                // in the viewer), in the middle of the screen.
                QTest::keyClick(&photoViewer, Qt::Key_PageDown);
                const auto middle = [&] { return qobject_cast<QLabel *>(photoViewer.childAt(photoViewer.rect().center())); };
                QTRY_VERIFY(middle() && !middle()->pixmap().isNull());
                doubleClick(middle());
            }
        });
        QTest::mouseClick(m_controls->Command1, Qt::LeftButton);
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
        QTest::newRow("characters no system takes, blanks around")
            << " \"A/B:1\\2;'*?<>|\tx\" " << 12 << "fotos\\a.JPG" << "AB12x-foto12.JPG";
        QTest::newRow("a hundred, last dot") << "R" << 100 << "fotos/a.b.jpeg" << "R-foto100.jpeg";
        QTest::newRow("dot in a folder's name") << "R" << 1 << "fo.tos\\foto" << "R-foto01";
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

    // "Extraer Fotos": every photo row of the offer, hidden ones too, in the
    // table's order (not the photos' order), named after the reference on
    // the card, and an information message; a cancelled dialog copies and
    // says nothing. Missing photos and paths that are empty or leave the
    // base folders take no number; older copies are replaced; copies that
    // cannot be written, and copies that would land on one of the photos
    // being copied (the photos' own folder chosen), are counted apart and
    // leave nothing behind.
    void extract_data()
    {
        QTest::addColumn<int>("offer");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message"); // empty: the dialog cancelled
        QTest::addColumn<QStringList>("files");
        QTest::newRow("cancelled") << 1 << "copias" << "" << QStringList{"AB12-foto01.txt=copia vieja"};
        QTest::newRow("every photo, in the table's order")
            << 1 << "copias" << "Se han copiado 4 fotos en «%1»"
            << QStringList{"AB12-foto01.jpg=JPEG", "AB12-foto01.txt=copia vieja", "AB12-foto02.JPG=JPEG",
                           "AB12-foto03.jpg=JPEG", "AB12-foto04.jpg=JPEG"};
        QTest::newRow("present, missing, empty, outside")
            << 7 << "copias" << "Se han copiado 2 fotos en «%1»"
            << QStringList{"AB12-foto01.txt=foto a", "AB12-foto02.TXT=foto c"};
        QTest::newRow("a folder in the way")
            << 8 << "copias" << "Se han copiado 2 fotos en «%1»\nNo se ha podido copiar 1 foto"
            << QStringList{"AB12-foto01.txt=foto a", "AB12-foto02.txt=foto a"};
        QTest::newRow("the photos' own folder")
            << 9 << "textos" << "Se ha copiado 1 foto en «%1»\nNo se han podido copiar 2 fotos"
            << QStringList{"AB12-foto01.txt=primera", "AB12-foto02.txt=segunda", "AB12-foto03.txt=foto a",
                           "a.txt=foto a", "c.TXT=foto c"};
    }
    void extract()
    {
        QFETCH(int, offer);
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
        const QWidget *owner = nullptr;
        m_card->testAccess().folderChooser = [&](QWidget *parent) {
            owner = parent;
            return message.isEmpty() ? QString() : app + folder;
        };
        QStringList shown;
        const WhenShown<QMessageBox> answer([&](QMessageBox &box) {
            QCOMPARE(box.icon(), QMessageBox::Information);
            shown << box.text();
        });
        next(m_controls->datprincip, offer - 1);
        m_card->testAccess().mextraefotos->trigger();
        QCOMPARE(owner, m_card.get());
        QCOMPARE(shown.join(""), message.isEmpty() ? "" : message.arg(QDir::toNativeSeparators(app + folder)));
        QCOMPARE(listing(app + folder), files);
    }

private:
    // The end of the card's 300 ms wait, without waiting.
    static void fire(QTimer *timer) { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); }

    // Fires the card's photo timer and waits for the load it starts.
    void showPhoto()
    {
        fire(m_timer);
        if (m_loader->outstanding() > 0)
            QVERIFY(m_loaded->wait());
    }

    static void next(RecordNavigator *navigator, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            navigator->step(RecordNavigator::Next);
    }

    std::unique_ptr<PartnerFolder> m_folder;
    std::unique_ptr<card::frmficha> m_card;
    const card::CardControls *m_controls = nullptr;
    QTimer *m_timer = nullptr;
    PictureLoader *m_loader = nullptr;
    QLabel *m_image = nullptr;
    std::unique_ptr<QSignalSpy> m_loaded;
};

QTEST_MAIN(TestCardPhotos)
#include "tst_cardphotos.moc"

// The card's photos: loaded only where the user stops, 300 ms after the
// last move, decoded at the box's size and fitted into it; a photo that is
// missing or unreadable clears the box; a decode that ends after the user
// moved on is never shown.
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "card/frmficha.h"
#include "card/photobox.h"
#include "cardtest.h"
#include "resultsfixture.h"
#include "startup/formscaling.h"
#include "startup/pictureloader.h"

using namespace cardtest;
using modcol::PictureLoader;

namespace {

// Offers 1 to 6 in price order. Offer 1 has four photos; 2 a missing one,
// 3 one that is no picture, 4 one without a path, 5 one outside the base
// folders, 6 none.
const QString Data = onePlaceRows() + QStringLiteral(R"sql(
INSERT INTO ofertas (Cod_Ofer, ref, Key_Tipo, Key_Loca, Key_Zona, precioinmo, Conservacion, keyori) VALUES
    (1, 'R1', 1, 1, 1, 1000, 1, 1), (2, 'R2', 1, 1, 1, 2000, 1, 1), (3, 'R3', 1, 1, 1, 3000, 1, 1),
    (4, 'R4', 1, 1, 1, 4000, 1, 1), (5, 'R5', 1, 1, 1, 5000, 1, 1), (6, 'R6', 1, 1, 1, 6000, 1, 1);
INSERT INTO fotos VALUES
    (11, 1, 'fotos\1_a.jpg', 1, 0), (13, 1, 'fotos\1_c.jpg', 3, 0), (12, 1, 'fotos\1_b.jpg', 2, 1),
    (14, 1, 'fotos\1_d.jpg', 4, 0), (21, 2, 'fotos\falta.jpg', 1, 0), (31, 3, 'fotos\roto.jpg', 1, 0),
    (41, 4, NULL, 1, 0), (51, 5, '..\secreto.jpg', 1, 0);
)sql");

// The size the card gives the picture box for a picture of `picture`,
// in pixels, when the box's scaled design size is `design`.
QSize fittedBox(QSize picture, QSize design)
{
    using modcol::pixelsToTwips;
    using modcol::twipsToPixels;
    const QSize box =
        card::photoBox(picture, int(pixelsToTwips(design.width())), int(pixelsToTwips(design.height()))).value();
    return QSize(twipsToPixels(box.width()), twipsToPixels(box.height()));
}

} // namespace

class TestCardPhotos : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<CardFixture>(Data);
        const QString fotos = m_fixture->appFolder() + "/fotos/";
        resultstest::writePicture(fotos + "1_a.jpg", QSize(800, 600), Qt::red);
        resultstest::writePicture(fotos + "1_b.jpg", QSize(800, 600), Qt::green);
        resultstest::writePicture(fotos + "1_c.jpg", QSize(800, 600), Qt::blue);
        resultstest::writePicture(fotos + "1_d.jpg", QSize(600, 800), Qt::magenta);
        resultstest::writePicture(m_fixture->scratch() + "/secreto.jpg", QSize(800, 600), Qt::yellow);
        QFile roto(fotos + "roto.jpg");
        QVERIFY(roto.open(QIODevice::WriteOnly));
        roto.write("no es una foto");
        roto.close();

        m_ficha = std::make_unique<card::frmficha>(nullptr);
        m_ficha->showOffers(" ", 1);
        m_ficha->show();
        m_timer = m_ficha->findChild<QTimer *>("Timer1");
        m_loader = m_ficha->findChild<PictureLoader *>();
        m_image = m_ficha->findChild<QLabel *>("Image1");
        m_designBox = m_image->geometry();
        m_loaded = std::make_unique<QSignalSpy>(m_loader, &PictureLoader::loaded);
    }
    void cleanup()
    {
        m_loaded.reset();
        m_ficha.reset();
        m_fixture.reset();
    }

    // Three quick moves decode one photo, the third, at the box's size; the
    // box keeps its place and takes the photo's proportions within its
    // scaled design size.
    void threeQuickMovesLoadOnlyTheThird()
    {
        QVERIFY(m_timer->isActive()); // the first photo waits for the timer too
        navigate(*m_ficha, "DatImagen", "siguiente", 3);
        QVERIFY(m_timer->isActive());
        QCOMPARE(m_loader->outstanding(), 0);
        fireTimer();
        QCOMPARE(m_loader->outstanding(), 1);
        QVERIFY(m_loaded->wait());
        QCOMPARE(m_loaded->count(), 1);
        QCOMPARE(pictureColour(m_image), QColor(Qt::magenta));
        QCOMPARE(m_image->geometry(), QRect(m_designBox.topLeft(), fittedBox(QSize(600, 800), m_designBox.size())));
        const QSize decoded = m_image->pixmap().size();
        QVERIFY2(decoded.width() <= m_designBox.width() && decoded.height() <= m_designBox.height(),
                 qPrintable(QString("decoded at %1 x %2").arg(decoded.width()).arg(decoded.height())));
    }

    // At design size (a screen of 800 x 600 pixels) the box is 4695 x 3615 twips.
    void fit_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box"); // twips; empty: the box is left as it is
        QTest::newRow("landscape: full width") << QSize(800, 600) << QSize(4695, 3521);
        QTest::newRow("portrait: full height") << QSize(600, 800) << QSize(2711, 3615);
        QTest::newRow("square: full height") << QSize(1000, 1000) << QSize(3615, 3615);
        QTest::newRow("small: grown to the width") << QSize(80, 40) << QSize(4695, 2348);
        QTest::newRow("no width") << QSize(0, 600) << QSize();
        QTest::newRow("negative height") << QSize(800, -1) << QSize();
    }
    void fit()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QCOMPARE(card::photoBox(picture, 4695, 3615).value_or(QSize()), box);
    }

    // Whatever the next offer has instead of a readable photo, the previous
    // offer's photo does not stay on its card.
    void noPhotoClearsTheBox_data()
    {
        QTest::addColumn<int>("offer");
        QTest::newRow("missing file") << 2;
        QTest::newRow("not a picture") << 3;
        QTest::newRow("no path") << 4;
        QTest::newRow("path out of the base folders") << 5;
        QTest::newRow("no photos") << 6;
    }
    void noPhotoClearsTheBox()
    {
        QFETCH(int, offer);
        fireTimer();
        QVERIFY(m_loaded->wait());
        QCOMPARE(pictureColour(m_image), QColor(Qt::red));
        navigate(*m_ficha, "datprincip", "siguiente", offer - 1);
        QCOMPARE(box(*m_ficha, 5), QString("R%1").arg(offer));
        fireTimer();
        if (m_loader->outstanding() > 0)
            QVERIFY(m_loaded->wait());
        QCOMPARE(pictureColour(m_image), QColor());
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
        fireTimer();
        QCOMPARE(m_loader->outstanding(), 1);
        if (move.isEmpty())
            m_ficha->reject();
        else
            navigate(*m_ficha, qPrintable(move), "siguiente");
        QCOMPARE(m_timer->isActive(), !move.isEmpty());
        QTRY_COMPARE(m_loader->outstanding(), 0);
        QCOMPARE(m_loaded->count(), 0);
        QCOMPARE(pictureColour(m_image), QColor());
    }

private:
    void fireTimer() { QVERIFY(QMetaObject::invokeMethod(m_timer, "timeout")); }

    std::unique_ptr<CardFixture> m_fixture;
    std::unique_ptr<card::frmficha> m_ficha;
    QTimer *m_timer = nullptr;
    PictureLoader *m_loader = nullptr;
    QLabel *m_image = nullptr;
    QRect m_designBox; // the picture box as scaled to the screen
    std::unique_ptr<QSignalSpy> m_loaded;
};

QTEST_MAIN(TestCardPhotos)
#include "tst_cardphotos.moc"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "results/frmbrezomar.h"
#include "startup/clicklabel.h"
#include "startup/modcol.h"

using namespace results;

// Stands in for the desktop's opener.
class Opener : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestFrmBrezomar : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        modcol::RutaApp = m_folder->path() + '/';
        m_opener.opened.clear();
        for (const char *scheme : {"file", "http"})
            QDesktopServices::setUrlHandler(scheme, &m_opener, "open");
    }

    void cleanup()
    {
        for (const char *scheme : {"file", "http"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void helpIconOnlyWithTheDocument()
    {
        frmbrezomar without(nullptr);
        QVERIFY(icon(without)->isHidden());

        QFile pdf(m_folder->filePath("FuncionesBrezomar.PDF"));   // a CD may store any case
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        frmbrezomar with(nullptr);
        with.show();
        QVERIFY(icon(with)->isVisible());
        QTest::mouseClick(icon(with), Qt::LeftButton);
        QCOMPARE(m_opener.opened, QList<QUrl>{QUrl::fromLocalFile(pdf.fileName())});

        // The document went away while the window was open.
        QVERIFY(pdf.remove());
        QTest::mouseClick(icon(with), Qt::LeftButton);
        QVERIFY(icon(with)->isHidden());
        QCOMPARE(m_opener.opened.size(), 1);
    }

    void webAddressOpensInBrowser()
    {
        frmbrezomar window(nullptr);
        window.show();
        QTest::mouseClick(window.findChild<modcol::ClickLabel *>("Label1"), Qt::LeftButton);
        QCOMPARE(m_opener.opened.size(), 1);
        QCOMPARE(m_opener.opened.first().scheme(), QString("http"));
    }

    void advertisingNeverTakesTheFocus()
    {
        frmbrezomar window(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *text = window.findChild<QLabel *>("Text1");
        QTest::mouseDClick(text, Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(!text->hasFocus());
        QVERIFY(!text->hasSelectedText());
        QCOMPARE(text->text().split('\n').size(), 6);
    }

    void escapeCloses()
    {
        frmbrezomar window(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy rejected(&window, &QDialog::rejected);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(rejected.size(), 1);
        QVERIFY(!window.isVisible());
    }

private:
    static modcol::ClickLabel *icon(frmbrezomar &window) { return window.findChild<modcol::ClickLabel *>("Image1"); }

    std::unique_ptr<QTemporaryDir> m_folder;
    Opener m_opener;
};

QTEST_MAIN(TestFrmBrezomar)
#include "tst_frmbrezomar.moc"

#pragma once

#include <functional>

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QSignalSpy>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// What the windows' suites share: a partner folder with its catalogue and
// pictures, the shared state set on it, screens of fixed sizes, and the
// modal windows of a test driven from their own event loops.
namespace testsupport {

// One row of `fotos`.
struct Photo
{
    QString ruta; // Null: a row without a path
    bool nomostrar = false;
};

// One offer; its reference is "R<cod>" unless one is given.
struct Offer
{
    int cod = 0;
    double precio = 0;
    QString tipo = QStringLiteral("Piso");
    QString ciudad = QStringLiteral("Málaga");
    QString zona = QStringLiteral("Centro");
    QList<Photo> photos = {}; // in `orden` order
    QString ref = {};
    bool piscinaProp = false;
    bool piscinaCom = false;
};

// Offers 1 to n, offer i priced i thousand euros.
QList<Offer> consecutiveOffers(int n);

// A partner folder for one test: the program's folder (`app` of a scratch
// folder, so that a path may climb out of it), the second base folder (`bd`),
// the catalogue as the run's working copy, opened as the shared one, and
// Spain's regional settings. Photo keys count from 1 over the catalogue in
// list order; the rows are stored last first, as the windows must order
// them themselves.
class PartnerFolder
{
public:
    explicit PartnerFolder(const QList<Offer> &offers);
    // From rows for the full schema, places included.
    explicit PartnerFolder(const QString &rows);
    ~PartnerFolder();

    QString scratch() const { return m_root.path(); }
    QString appFolder() const { return m_root.filePath(QStringLiteral("app")); }
    QString bdFolder() const { return m_root.filePath(QStringLiteral("bd")); }

private:
    QTemporaryDir m_root;
};

// A JPEG of `size` in one colour at `path`, its folders made as needed,
// tagged with an Exif orientation (6: to be turned a quarter clockwise).
void writePicture(const QString &path, QSize size, const QColor &colour = Qt::gray, int orientation = 1);

// Gives the next QApplication screens of these sizes, side by side from the
// left, the first one primary, on the offscreen platform.
void useScreens(const QList<QSize> &sizes);

// Shows the results window and waits until it has read its catalogue.
template <typename ResultsWindow>
void showNow(ResultsWindow &window)
{
    QSignalSpy ready(&window, &ResultsWindow::catalogueReady);
    window.show();
    if (!ready.wait(10000))
        qFatal("the results window never read its catalogue");
}

// The child `name` of `window`; the run ends when there is none.
template <typename Control = QWidget>
Control *child(const QObject &window, const QString &name)
{
    auto *found = window.findChild<Control *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// As Qt delivers a double-click: press, release, double-click, release.
void doubleClick(QWidget *target);

// Runs `act` on every `Window` shown while it lives, from the event loop
// that shows it (a modal window's own), then presses Escape on the window
// when `act` left it open, also when `act` failed.
template <typename Window>
class WhenShown : public QObject
{
public:
    explicit WhenShown(std::function<void(Window &)> act = [](Window &) {})
        : m_act(std::move(act))
    {
        qApp->installEventFilter(this);
    }
    ~WhenShown() override { qApp->removeEventFilter(this); }

    int shown() const { return m_shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<Window *>(watched);
        if (window && event->type() == QEvent::Show && !event->spontaneous()) {
            QMetaObject::invokeMethod(this, [this, target = QPointer<Window>(window)] {
                if (!target)
                    return;
                ++m_shown;
                m_act(*target);
                if (target && target->isVisible())
                    QTest::keyClick(target, Qt::Key_Escape);
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(Window &)> m_act;
    int m_shown = 0;
};

} // namespace testsupport

#pragma once

#include <functional>

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

class QLabel;
class QWidget;

namespace card {
class frmficha;
}

namespace cardtest {

// A partner folder for one test: the program's folder (`app/` of a scratch
// folder, so that a path may climb out of it), no second base folder, the
// catalogue written from `data` (rows for the full schema) as the run's
// working copy and opened, and Spain's regional settings.
class CardFixture
{
public:
    explicit CardFixture(const QString &data);
    ~CardFixture();

    QString appFolder() const { return m_root.filePath(QStringLiteral("app")); }
    QString scratch() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
};

// One city, zone, type, state of repair and orientation, each with key 1,
// as SQL rows for the catalogue of a CardFixture.
QString onePlaceRows();

// Runs `act` on the first `Window` shown from now on, from the event loop
// that shows it (a modal window's own), then presses Escape on the window
// when `act` left it open, also when `act` failed.
template <typename Window>
class WhenShown : public QObject
{
public:
    explicit WhenShown(std::function<void(Window &)> act)
        : m_act(std::move(act))
    {
        qApp->installEventFilter(this);
    }
    ~WhenShown() override { qApp->removeEventFilter(this); }

    bool ran() const { return m_ran; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<Window *>(watched);
        if (window && event->type() == QEvent::Show && !m_queued) {
            m_queued = true;
            QMetaObject::invokeMethod(this, [this, target = QPointer<Window>(window)] {
                if (!target)
                    return;
                m_ran = true;
                m_act(*target);
                if (target && target->isVisible())
                    QTest::keyClick(target, Qt::Key_Escape);
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(Window &)> m_act;
    bool m_queued = false;
    bool m_ran = false;
};

// VerFormu on a fresh card with no parent, `act` run while it is shown.
int verFormu(const QString &where, int codigo, const std::function<void(card::frmficha &)> &act);

// The text of the card's box txtcampo(i).
QString box(const QWidget &ficha, int i);

// Clicks a navigator's button: "first", "previous", "next" or "last".
void navigate(const QWidget &ficha, const char *navigator, const char *button, int times = 1);

// The colour in the middle of a picture box's picture, JPEG's near colours
// taken as the pure ones; invalid when the box has no picture.
QColor pictureColour(const QLabel *box);

} // namespace cardtest

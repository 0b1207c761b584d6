#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "startup/escapekey.h"

class TestEscapeKey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { modcol::ignoreEscapeRepeats(*qApp); }

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
};

QTEST_MAIN(TestEscapeKey)
#include "tst_escapekey.moc"

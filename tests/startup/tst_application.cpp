#include <memory>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "widgets/escapekey.h"
#include "startup/qttranslation.h"

// What the program sets on the whole application before its first window.
class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        modcol::ignoreEscapeRepeats(*qApp);
        QVERIFY(modcol::installQtTranslation(*qApp));
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
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"

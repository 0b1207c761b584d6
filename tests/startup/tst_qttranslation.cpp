#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "startup/qttranslation.h"

class TestQtTranslation : public QObject
{
    Q_OBJECT

private slots:
    // Qt's own texts in the windows: message-box buttons and the context
    // menu of the price boxes.
    void qtTextsAreSpanish()
    {
        QVERIFY(modcol::installQtTranslation(*qApp));
        QMessageBox box(QMessageBox::Information, "t", "x", QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QString("Aceptar"));
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QVERIFY2(menu->actions().constFirst()->text().startsWith("&Deshacer"),
                 qPrintable(menu->actions().constFirst()->text()));
    }
};

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"

// Runs the results window until it ends, and prints every message box that
// appears and how the run ended. Run by tst_frmresul.
//   resultsprobe sin-copia        the working copy is missing
//   resultsprobe busqueda-falla   the search statement fails at "Buscar"
//   resultsprobe emergentes       Escape on each pop-up the window opens (the
//                                 lists' drop-downs, a context menu, the zone
//                                 message, the maker's window), then on a
//                                 closed list
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "catalogue/database.h"
#include "resultsfixture.h"
#include "startup/modcol.h"
#include "testcatalogue.h"

using namespace results;

namespace {

void print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// A catalogue whose offers have no price: the lists fill, the search fails.
void writeCatalogueWithoutPrices(const QTemporaryDir &dir)
{
    testsupport::writeCatalogue(dir, QStringLiteral(R"sql(
CREATE TABLE ciudad (Cod_Ciu INTEGER, Ciudad TEXT(50));
CREATE TABLE zonas (Cod_Zona INTEGER, Zona TEXT(50));
CREATE TABLE tipo (Cod_Tipo INTEGER, Tipo_Ofer TEXT(50));
CREATE TABLE ofertas (Cod_Ofer INTEGER, Key_Tipo INTEGER, Key_Loca INTEGER, Key_Zona INTEGER);
INSERT INTO ciudad VALUES (1, 'Nerja');
INSERT INTO zonas VALUES (1, 'Centro');
INSERT INTO tipo VALUES (1, 'Piso');
INSERT INTO ofertas VALUES (1, 1, 1, 1);
)sql"), QString(), QStringLiteral("copia.mdb"));
}

int escapes = 0; // pressed by escapeOnTop

// Presses Escape on whatever pop-up or modal window is on top, and says which
// and over what.
void escapeOnTop()
{
    QWidget *top = QApplication::activePopupWidget();
    if (!top)
        top = QApplication::activeModalWidget();
    if (!top)
        return;
    const QWidget *over = top->parentWidget();
    print(QStringLiteral("escape|%1|%2")
              .arg(QString::fromLatin1(top->metaObject()->className()), over ? over->objectName() : QString()));
    ++escapes;
    QTest::keyClick(top->focusWidget() ? top->focusWidget() : top, Qt::Key_Escape);
}

// Opens each pop-up of the window in turn; escapeOnTop closes it. The window
// must still be there after each.
void openPopups(frmresul &window)
{
    const auto onTop = [] { return QApplication::activePopupWidget() || QApplication::activeModalWidget(); };
    const auto step = [&](const char *what, const std::function<void()> &open) {
        // A modal window shows from inside open(), which returns once it is closed.
        const int before = escapes;
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            print(QStringLiteral("never active"));
        open();
        if (!QTest::qWaitFor([&] { return escapes > before && !onTop(); }))
            print(QStringLiteral("never closed|%1").arg(QLatin1String(what)));
    };
    for (const char *name : {"cbtipo", "cbciudad"}) {
        step(name, [&] { QTest::mouseClick(window.findChild<QComboBox *>(QLatin1String(name)), Qt::LeftButton); });
    }
    step("menu", [&] {
        auto *box = window.findChild<QWidget *>(QStringLiteral("txtdesde"));
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &menu);
    });
    step("localidad", [&] {
        auto *ciudad = window.findChild<QWidget *>(QStringLiteral("cbciudad"));
        ciudad->setFocus();
        QTest::keyClick(ciudad, Qt::Key_Tab);
    });
    step("cbzona", [&] {
        auto *ciudad = window.findChild<QComboBox *>(QStringLiteral("cbciudad"));
        ciudad->setCurrentIndex(0);
        emit ciudad->activated(0);
        QTest::mouseClick(window.findChild<QComboBox *>(QStringLiteral("cbzona")), Qt::LeftButton);
    });
    step("fabricante", [&] { QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("Image1")), Qt::LeftButton); });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool popups = mode == QLatin1String("emergentes");
    QTemporaryDir dir;
    modcol::RutaApp = dir.path() + QLatin1Char('/');
    modcol::RutaTemp = dir.filePath(QStringLiteral("copia.mdb"));
    if (mode == QLatin1String("busqueda-falla"))
        writeCatalogueWithoutPrices(dir);
    else if (popups)
        resultstest::writeCatalogue(resultstest::ofertasSeguidas(3), dir, QStringLiteral("copia.mdb"));

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [popups] {
        if (popups) {
            escapeOnTop();
        } else if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            print(QStringLiteral("box|%1|%2").arg(box->windowTitle(), box->text()));
            box->reject();
        }
    });
    closer.start(10);

    frmresul window;
    window.show();
    QObject::connect(window.findChild<QPushButton *>(QStringLiteral("botcerrar")), &QPushButton::clicked,
                     [] { print(QStringLiteral("botcerrar")); });
    QTimer act;
    QObject::connect(&act, &QTimer::timeout, [&] {
        if (window.findChild<QComboBox *>(QStringLiteral("cbtipo"))->count() == 0)
            return;
        act.stop();
        if (mode == QLatin1String("busqueda-falla")) {
            window.findChild<QPushButton *>(QStringLiteral("botbuscar"))->click();
            return;
        }
        if (!QTest::qWaitForWindowActive(&window))
            print(QStringLiteral("never active"));
        openPopups(window);
        // On a closed list: the window's Escape.
        QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("cbciudad")), Qt::Key_Escape);
    });
    act.start(10);
    const int status = app.exec();
    print(QStringLiteral("exec|%1").arg(status));
    return status;
}

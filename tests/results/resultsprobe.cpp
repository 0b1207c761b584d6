// Runs the results window until it ends, and prints every message box that
// appears and how the run ended. Run by tst_frmresul.
//   resultsprobe sin-copia        the working copy is missing
//   resultsprobe busqueda-falla   the search statement fails at "Buscar"
//   resultsprobe escape           Escape once the lists are filled
#include <cstdio>

#include <QApplication>
#include <QComboBox>
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir dir;
    modcol::RutaApp = dir.path() + QLatin1Char('/');
    modcol::RutaTemp = dir.filePath(QStringLiteral("copia.mdb"));
    if (mode == QLatin1String("busqueda-falla"))
        writeCatalogueWithoutPrices(dir);
    else if (mode == QLatin1String("escape"))
        resultstest::writeCatalogue(resultstest::ofertasSeguidas(3), dir, QStringLiteral("copia.mdb"));

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            print(QStringLiteral("box|%1|%2").arg(box->windowTitle(), box->text()));
            box->reject();
        }
    });
    closer.start(10);

    frmresul window;
    window.show();
    QTimer act;
    QObject::connect(&act, &QTimer::timeout, [&] {
        if (window.findChild<QComboBox *>(QStringLiteral("cbtipo"))->count() == 0)
            return;
        act.stop();
        if (mode == QLatin1String("busqueda-falla")) {
            window.findChild<QPushButton *>(QStringLiteral("botbuscar"))->click();
        } else if (mode == QLatin1String("escape")) {
            if (!QTest::qWaitForWindowActive(&window))
                print(QStringLiteral("never active"));
            QTest::keyClick(&window, Qt::Key_Escape);
        }
    });
    act.start(10);
    const int status = app.exec();
    print(QStringLiteral("exec|%1").arg(status));
    return status;
}

// Runs the results window until it ends, and prints every message box that
// appears. Run by tst_frmresul:
//   resultsprobe sin-copia        the working copy is missing
//   resultsprobe busqueda-falla   the search statement fails at "Buscar"
//   resultsprobe fotos-dañada     the photos table, read after the lists, is damaged
//   resultsprobe escape-cargando  Escape while background work (a minute of it) runs
#include <cstdio>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "results/frmresul.h"
#include "results/searchfilters.h"
#include "startup/modcol.h"
#include "startup/offthread.h"
#include "testcatalogue.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    modcol::RutaApp = dir.path() + QLatin1Char('/');
    modcol::RutaTemp = dir.filePath(QStringLiteral("copia.mdb"));
    bool searchFails = app.arguments().contains(QStringLiteral("busqueda-falla"));
    if (searchFails) {
        // Offers without a price: the lists fill, the search fails.
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
    if (app.arguments().contains(QStringLiteral("fotos-dañada")))
        QFile::copy(QStringLiteral(DAMAGED_FOLDER "/row-table.mdb"), modcol::RutaTemp);

    results::frmresul window;
    if (app.arguments().contains(QStringLiteral("escape-cargando"))) {
        modcol::runOffThread(&window, [] { QThread::sleep(60); return 0; }, [](modcol::Outcome<int>) {});
        QTimer::singleShot(0, &window, [&window] {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&window, &escape);
        });
    }
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("box|%s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::fflush(stdout);
            box->reject();
        } else if (const auto filters = window.testAccess().filters->testAccess();
                   searchFails && filters.cbtipo->count() > 0) {
            searchFails = false;
            filters.botbuscar->click();
        }
    });
    closer.start(10);
    window.show();
    return modcol::endRun(app.exec());
}

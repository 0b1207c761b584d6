// Ends through the fatal failure path twice, from inside a resize handler,
// and prints every message box that appears. Run by tst_failure: with the
// argument "damage" the failures are skipped statements, an ordinary one and
// then a damaged catalogue.
#include <cstdio>
#include <stdexcept>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "catalogue/catalogueerror.h"
#include "startup/failure.h"

Q_LOGGING_CATEGORY(lcProbe, "colaborador.probe")

namespace {

bool skipping = false;

class FailingWindow : public QWidget
{
protected:
    void resizeEvent(QResizeEvent *) override
    {
        if (skipping) {
            modcol::skipFailure(lcProbe(), [] { throw std::runtime_error("a missing photo"); });
            modcol::skipFailure(lcProbe(), [] { throw catalogue::CatalogueError::damaged("x.mdb", "tabla «fotos»"); });
        } else {
            modcol::endOnFailure([] { throw std::runtime_error("No se puede abrir «x.mdb»."); });
            modcol::endOnFailure([] { throw 42; });
        }
        std::printf("handler returned\n");
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    skipping = app.arguments().contains(QStringLiteral("damage"));
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("box|%s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::fflush(stdout);
            box->reject();
        }
    });
    closer.start(10);
    FailingWindow window;
    window.show();
    window.resize(300, 200);
    app.exec();
    return 0;
}

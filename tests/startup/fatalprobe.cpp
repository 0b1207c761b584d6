// Ends through the fatal failure path twice, from inside a resize handler,
// and prints every message box that appears. Run by tst_failure.
#include <cstdio>
#include <stdexcept>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "startup/failure.h"

namespace {

class FailingWindow : public QWidget
{
protected:
    void resizeEvent(QResizeEvent *) override
    {
        modcol::endOnFailure([] { throw std::runtime_error("No se puede abrir «x.mdb»."); });
        modcol::endOnFailure([] { throw 42; });
        std::printf("handler returned\n");
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget frame;
    frame.setWindowTitle(QStringLiteral("PROPIEDADES COLABORADOR"));
    frame.showMaximized();
    return app.exec();
}

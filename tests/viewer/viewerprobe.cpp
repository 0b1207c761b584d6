// Opens the viewer on a demo folder, for looking at it on a real screen
// (under xvfb-run, say, with a screenshot taken meanwhile):
//   viewerprobe DIR grid|single|zoom|slideshow [SECONDS]
// DIR is a folder made by make-demo-cd; the viewer shows the photos of the
// offer of its first photo and closes by itself after SECONDS (default 6).
#include <cstdio>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "startup/modcol.h"
#include "viewer/frmfoto.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    catalogue::useSystemRegionalSettings();
    if (argc < 3) {
        std::fprintf(stderr, "usage: viewerprobe DIR grid|single|zoom|slideshow [SECONDS]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString mode = QString::fromLocal8Bit(argv[2]);
    const int seconds = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 6;

    QTemporaryDir temp;
    modcol::RutaApp = folder + QLatin1Char('/');
    modcol::RutaTemp = temp.filePath(QStringLiteral("brezomar.mdb"));
    if (!QFile::copy(folder + QStringLiteral("/brezomar.mdb"), modcol::RutaTemp))
        return 1;
    modcol::AbreBaseDatos();
    const auto first = modcol::BaseDatos->OpenRecordset(QStringLiteral("select codfoto, keyofe from fotos"));
    const int codFoto = first->Fields(0).Value.toInt();
    const int codOfer = first->Fields(1).Value.toInt();

    viewer::FrmFoto viewer(codOfer, nullptr);
    QTimer::singleShot(seconds * 1000, &viewer, &QDialog::reject);
    QTimer::singleShot(500, &viewer, [&viewer, mode] {
        if (mode == QLatin1String("zoom")) {
            auto *zoom = viewer.findChild<QLineEdit *>(QStringLiteral("TxtZoom"));
            zoom->setText(QStringLiteral("60"));
            QTest::keyClick(zoom, Qt::Key_Return);
        } else if (mode == QLatin1String("slideshow")) {
            viewer.findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
        }
    });
    const int picked = viewer.GetOfeFoto(mode == QLatin1String("grid") ? 0 : codFoto);
    std::printf("picked %d\n", picked);
    return 0;
}

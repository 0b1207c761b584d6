// Figures of the photo viewer on a screen of 1024 x 768 with photos of
// 4000 x 3000, each set against baselines measured in the same run on the
// same files:
//   - a grid page of 12 photos (from opening the grid until the last cell
//     shows its picture) against decoding the 12 files alone at cell size
//     (target: ratio <= 1.3) and against decoding them at full size (target:
//     the page at least 3 times faster, ratio <= 0.33);
//   - the single view of one photo (from opening until it shows) against
//     one decode of that photo at full size.
// Every run writes its photos afresh, so that no cache of pictures holds them.
//
//   bench_viewer [RUNS]   (default 5)

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>

#include "benchsupport.h"
#include "demofolder/outputfiles.h"
#include "demofolder/photopainter.h"
#include "partnerfolder.h"
#include "pictures/picture.h"
#include "viewer/frmfoto.h"

using benchsupport::median;
using benchsupport::msSince;
using namespace testsupport;

namespace {

constexpr int Photos = 12;
const QSize PhotoSize(4000, 3000);

bool shows(const viewer::FrmFoto &window, int element)
{
    const auto *box = window.findChild<QLabel *>(QStringLiteral("Img_%1").arg(element));
    return box && !box->pixmap().isNull() && box->isVisible();
}

void waitFor(const std::function<bool()> &done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Decodes every file for `box` on this thread; milliseconds.
double decodeAll(const QStringList &files, QSize box)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString &file : files)
        modcol::decodePicture(file, box, modcol::PictureFit::KeepAspect);
    return msSince(timer);
}

struct Run
{
    double page;        // the grid page, ms
    double cellDecodes; // its 12 files at cell size
    double fullDecodes; // its 12 files at full size
    double single;      // the single view of one photo
    double fullDecode;  // that photo at full size
};

Run measure()
{
    Offer offer{1, 150000};
    for (int i = 1; i <= Photos; ++i)
        offer.photos.append({QStringLiteral("fotos\\%1.jpg").arg(i)});
    const PartnerFolder folder({offer});
    QDir(folder.appFolder()).mkdir(QStringLiteral("fotos"));
    QStringList files;
    for (int i = 1; i <= Photos; ++i) {
        // A drawn photo costs what a photo costs to decode.
        files << folder.appFolder() + QStringLiteral("/fotos/%1.jpg").arg(i);
        const QImage drawn = demofolder::paintPhoto({std::uint32_t(i), PhotoSize, QStringLiteral("R1"), QString()});
        demofolder::writeBytes(files.last(), demofolder::encodeJpeg(drawn, 85));
    }

    Run run{};
    QSize cell;
    {
        viewer::FrmFoto grid(1, nullptr);
        QElapsedTimer timer;
        timer.start();
        grid.openOn(0);
        cell = grid.findChild<QLabel *>(QStringLiteral("Img_1"))->size(); // before its picture fits it
        waitFor([&grid] {
            for (int k = 1; k <= Photos; ++k) {
                if (!shows(grid, k))
                    return false;
            }
            return true;
        });
        run.page = msSince(timer);
        grid.reject();
    }
    run.cellDecodes = decodeAll(files, cell);
    run.fullDecodes = decodeAll(files, PhotoSize);
    {
        viewer::FrmFoto single(1, nullptr);
        QElapsedTimer timer;
        timer.start();
        single.openOn(Photos); // photo keys count from 1
        waitFor([&single] { return shows(single, 0); });
        run.single = msSince(timer);
        single.reject();
    }
    run.fullDecode = decodeAll({files.last()}, PhotoSize);
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    useScreens({QSize(1024, 768)});
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;

    std::vector<double> page, cellDecodes, fullDecodes, single, fullDecode;
    for (int i = 0; i < runs; ++i) {
        const Run run = measure();
        page.push_back(run.page);
        cellDecodes.push_back(run.cellDecodes);
        fullDecodes.push_back(run.fullDecodes);
        single.push_back(run.single);
        fullDecode.push_back(run.fullDecode);
    }
    std::printf("%d runs, 12 photos of 4000 x 3000, screen 1024 x 768\n", runs);
    benchsupport::printRatioHeader();
    benchsupport::printRatio("grid page / its 12 files decoded alone at cell size", median(page), median(cellDecodes), "<= 1.3");
    benchsupport::printRatio("grid page / its 12 files decoded at full size", median(page), median(fullDecodes), "<= 0.33");
    benchsupport::printRatio("single view / its photo decoded at full size", median(single), median(fullDecode), "< 1");
    return 0;
}

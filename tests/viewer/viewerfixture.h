#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

namespace viewertest {

// One photo of the test offer. Photo i (from 1) has the key 100 + i and
// its file, when it has one, is "fotos/7_<i>.jpg" below the program's folder.
struct Photo
{
    bool file = true;
    bool damaged = false; // a file that is no picture
    bool nomostrar = false;
    QSize size = QSize(64, 48);
    int orientation = 1; // Exif: 6 is turned a quarter clockwise
};

constexpr int Offer = 7;

inline int keyOf(int i)
{
    return 100 + i;
}

// `count` photos, each with its file.
QList<Photo> consecutivePhotos(int count);

// A partner folder with the offer `Oferta` and its `fotos` in the catalogue,
// the catalogue open as the shared one, and Spain's regional settings.
class ViewerFixture
{
public:
    explicit ViewerFixture(const QList<Photo> &photos);
    ~ViewerFixture();

    QString photoPath(int i) const;

private:
    QTemporaryDir m_app;
    QTemporaryDir m_temp;
};

// Gives the next QApplication screens of these sizes, side by side from the
// left, the first one primary, on the offscreen platform, as real screens
// of those sizes would be.
void useScreens(const QList<QSize> &sizes);

// The keys (tags) of the viewer's picture boxes `Img_<first>` onwards.
QStringList imageKeys(const QWidget &viewer, int first = 1);

// The picture boxes that are marked, from element 0 (the single photo).
QList<int> markedElements(const QWidget &viewer);

// As Qt delivers a double-click: press, release, double-click, release.
void doubleClick(QWidget *box);

} // namespace viewertest

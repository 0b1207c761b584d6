#pragma once

#include <memory>
#include <vector>

#include <QObject>
#include <QString>

namespace catalogue {
class Recordset;
}

namespace viewer {

// A photo of the grid's page, as its cell shows it.
struct PagePhoto
{
    int key = 0;       // CodFoto; 0 where it could not be read
    QString file;      // the picture's file, found in a base folder
    QString caption;   // price and type, then city and zone
    QString reference; // the offer's
};

// What the viewer shows, without a widget: the offer's photo list (whose
// current row is the current photo), the grid's page, the marked photo and
// the chosen one. Keys are CodFoto values; 0 is no photo.
class ViewerModel : public QObject
{
    Q_OBJECT

public:
    explicit ViewerModel(std::unique_ptr<catalogue::Recordset> photos, QObject *parent = nullptr);
    ~ViewerModel() override;

    catalogue::Recordset &photos() const { return *m_photos; }
    bool hasPhotos() const;
    int TotalFotos() const;
    // The current photo's key and file; 0 and empty without a current row,
    // empty for a photo whose file is in neither base folder.
    int currentKey() const;
    QString currentFile() const;

    // To the first photo of key `key`, or to the first photo where there is
    // none (0, or a photo the viewer does not show).
    void goToPhoto(int key);
    // The slideshow's step: the next photo, the first after the last.
    void advance();

    // The page of up to `cellCount` photos with a file from the current
    // photo on, or from the first when every photo fits on one page or the
    // list has run past an end; the list is left after it. No cell stays
    // marked.
    void readPage(int cellCount);
    // Moves the list `rows` rows on (back, when negative) from the page's
    // first photo, for the next readPage (which starts again from the first
    // photo where this ran before it); false, without a move, for an empty
    // page.
    bool turnPage(int rows);
    const std::vector<PagePhoto> &page() const { return m_page; }

    // The photo the single view shows, or showed last; 0 before any.
    int shownKey() const { return m_shownKey; }
    void setShownKey(int key) { m_shownKey = key; }

    // Marks the cell of the page holding `Clave`, and the single photo when
    // it shows `Clave`; unmarks the rest.
    void MarcaFoto(int Clave);
    // Marks the page's cell `index` alone among the cells.
    void markCell(int index);
    // Moves the cell mark by `cells` within the page; unmarked, the first
    // cell takes it.
    void moveMark(int cells);
    void unmarkCells();
    int markedCell() const { return m_markedCell; } // -1: none
    bool photoMarked() const { return m_photoMarked; }
    // The marked cell's key; without one, the single photo's when marked.
    int FotoMarcada() const;

    int fotoElegida() const { return FotoElegida; }
    void setFotoElegida(int key) { FotoElegida = key; }

signals:
    void currentChanged();
    void marksChanged();

private:
    bool findPhoto(int key);
    QString rowFile() const;
    PagePhoto readPagePhoto(const QString &file) const;

    std::unique_ptr<catalogue::Recordset> m_photos;
    std::vector<PagePhoto> m_page;
    int m_shownKey = 0;
    int m_markedCell = -1;
    bool m_photoMarked = false;
    int FotoElegida = 0; // the key the viewer hands back
};

} // namespace viewer

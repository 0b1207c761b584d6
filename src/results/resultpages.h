#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QString>
#include <QWidget>

class QScrollBar;

namespace modcol {
class ClickLabel;
class PictureLoader;
struct Picture;
}

namespace catalogue {
class Recordset;
}

namespace results {

// The result grid of the results window: twelve cells of thumbnail and
// price, four across and three down, the scroll bar that pages, and the
// window's caption that names the page.
class ResultPages : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Columns = 4;
    static constexpr int Rows = 3;
    static constexpr int CellsPerPage = Columns * Rows;

    // The grid at its design place on `parent`, every cell hidden.
    // `MontaFiltro` gives the filter clauses as the controls hold them at
    // each call.
    explicit ResultPages(std::function<QString()> MontaFiltro, QWidget *parent = nullptr);
    ~ResultPages() override;

    // A new search: runs the search statement and shows the first page.
    // Throws catalogue::CatalogueError when the search statement fails.
    void newSearch();

    // Every offer of the search on screen (all its pages), in the search's
    // order, with a cursor of their own; none before a search.
    std::unique_ptr<catalogue::Recordset> offersOnScreen() const;

    // Shows the page that holds the offer at the 1-based position
    // `position` of the search, unless it is on screen already; 0 or less
    // (no offer) changes nothing. Throws as newSearch does.
    void showPageHolding(int position);

    // What only the tests read: the cells, the offer key each cell holds
    // (0 while unused), the scroll bar and the thumbnails' loader.
    struct TestAccess
    {
        const std::array<modcol::ClickLabel *, CellsPerPage> &imagen;
        const std::array<modcol::ClickLabel *, CellsPerPage> &lbprecio;
        const std::array<int, CellsPerPage> &cellKeys;
        QScrollBar *barra;
        modcol::PictureLoader *thumbnails;
    };
    TestAccess testAccess() const;

signals:
    // A cell was clicked: the offer `codOfer` among the offers that the
    // clauses `where` of the page on screen find. The window opens the
    // record card from here: the grid itself opens nothing.
    void offerClicked(const QString &where, int codOfer);

private:
    // Shows page `Pagina` of the offers that the filters find now, or the
    // last page when they find fewer.
    void MuestraPagina();
    // The offers that the clauses `where` find, cheapest first.
    catalogue::Recordset &searchOffers(const QString &where);
    // The page count and the scroll bar for the offers of `rs`.
    void countPages(catalogue::Recordset &rs);
    void CargaCelda(catalogue::Recordset &rs, int i);
    // The cell's picture: the offer's thumbnail, decoded at the cell's size.
    void loadThumbnail(int i, int codOfer);
    void OcultaCeldas(int desde);
    void imagen_Click(int i);
    void barra_Change(int value);
    void showThumbnail(int cell, const modcol::Picture &picture);

    std::function<QString()> m_montaFiltro;
    std::array<modcol::ClickLabel *, CellsPerPage> imagen{};
    std::array<modcol::ClickLabel *, CellsPerPage> lbprecio{};
    std::array<int, CellsPerPage> m_cellKeys{}; // the cells' offer keys, 0 while unused
    QScrollBar *barra;
    modcol::PictureLoader *m_thumbnails;
    int Pagina = 0;
    int NumPaginas = 0;
    QString m_whereOnScreen; // the clauses that found the offers on screen
    // The last search's offers. The catalogue is read once and never
    // changes during a run, so paging with the same clauses reuses them.
    std::unique_ptr<catalogue::Recordset> m_offers;
    QString m_offersStatement;
    bool m_offersCounted = false; // NumPaginas and the bar are m_offers'
};

} // namespace results

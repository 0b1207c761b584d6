#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QObject>
#include <QString>

class QScrollBar;
class QWidget;

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
class ResultPages : public QObject
{
    Q_OBJECT

public:
    // Places the cells and the scroll bar on `window`, hidden. `MontaFiltro`
    // gives the filter clauses as the controls hold them at each call.
    ResultPages(QWidget *window, std::function<QString()> MontaFiltro);
    ~ResultPages() override;

    // A new search: runs the search statement and shows the first page.
    void Busca();

    // Shows page `m_pagina` of the offers that the filters find now, or the
    // last page when they find fewer. Throws catalogue::CatalogueError when
    // the search statement fails.
    void MuestraPagina();

signals:
    // A cell was clicked: the offer `codOfer` among the offers that the
    // clauses `where` of the page on screen find.
    void ofertaPulsada(const QString &where, int codOfer);

private:
    struct Celda
    {
        modcol::ClickLabel *imagen;
        modcol::ClickLabel *lbprecio;
        QString Tag; // the offer's key, empty while the cell is unused
        int ticket = 0; // the thumbnail decode the cell waits for, 0 for none
    };

    // The offers that the clauses `where` find, cheapest first.
    catalogue::Recordset &busqueda(const QString &where);
    void CargaCelda(catalogue::Recordset &rs, int i);
    void OcultaCeldas(int desde);
    void celda_Click(int i);
    void barra_Change(int value);
    void showThumbnail(int ticket, const modcol::Picture &picture);

    QWidget *m_window;
    std::function<QString()> m_montaFiltro;
    std::array<Celda, 12> m_celdas;
    QScrollBar *m_barra;
    modcol::PictureLoader *m_thumbnails;
    bool m_cargando = false;
    int m_pagina = 0;
    int m_numPaginas = 0;
    QString m_whereEnPantalla; // the clauses that found the offers on screen
    // The last search's offers. The catalogue is read once and never
    // changes during a run, so paging with the same clauses reuses them.
    std::unique_ptr<catalogue::Recordset> m_busqueda;
    QString m_sqlBusqueda;
};

} // namespace results

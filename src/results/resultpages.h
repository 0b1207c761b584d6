#pragma once

#include <array>
#include <functional>

#include <QObject>
#include <QString>

class ClickLabel;
class QScrollBar;
class QWidget;

namespace catalogue {
class Recordset;
}

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

    // A new search: the first page.
    void Busca();

    // Runs the search and shows page `m_pagina`, or the last page when the
    // filters now find fewer. Throws catalogue::CatalogueError when the
    // search statement fails.
    void MuestraPagina();

signals:
    // A cell was clicked: the offer `codOfer` among the offers that the
    // clauses `where` of the page on screen find.
    void ofertaPulsada(const QString &where, int codOfer);

private:
    struct Celda
    {
        ClickLabel *imagen;
        ClickLabel *lbprecio;
        QString Tag; // the offer's key, empty while the cell is unused
    };

    void CargaCelda(catalogue::Recordset &rs, int i);
    void OcultaCeldas(int desde);
    void celda_Click(int i);
    void barra_Change(int value);

    QWidget *m_window;
    std::function<QString()> m_montaFiltro;
    std::array<Celda, 12> m_celdas;
    QScrollBar *m_barra;
    bool m_cargando = false;
    int m_pagina = 0;
    int m_numPaginas = 0;
    QString m_whereEnPantalla; // the clauses that found the offers on screen
};

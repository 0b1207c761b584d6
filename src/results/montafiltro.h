#pragma once

#include <QString>

// What the filter controls of the results window hold when a search reads them.
struct FiltroBusqueda
{
    QString tipo;
    QString ciudad;
    QString zona;
    QString desde; // price bounds, digits as typed
    QString hasta;
    bool piscina = false;
};

// The filter clauses that every search statement carries: each clause begins
// with " and " and the whole ends with one blank, so no filter at all is " ".
// Type and city always count; zone, price bounds and pool only with
// `IncluirTodo`. Quotes inside a name are doubled.
QString MontaFiltro(const FiltroBusqueda &filtro, bool IncluirTodo);

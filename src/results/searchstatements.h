#pragma once

#include <QString>

// The statements of the results window. Every one of them walks the real
// offers only (key above 0), as the record card does, so that both see the
// same offers; `filtro` is the text of MontaFiltro.
namespace searchstatements {

QString tipos();
QString ciudades(const QString &filtro);
QString zonas(const QString &filtro);

// Key and price of every offer that matches, cheapest first, ties by key:
// the order the record card walks too, so that a position on the card is a
// position on the pages.
QString busqueda(const QString &filtro);

// The offer's photos, first photo first.
QString primeraFoto(const QString &codOfer);

} // namespace searchstatements

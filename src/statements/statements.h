#pragma once

#include <QString>

namespace catalogue {
class Database;
}

// Every statement the program sends, in one place for the windows, their
// tests and the benchmarks, with the indexes they need. `clauses` is a run of
// filter clauses as the search filters build them (" " for none); keys are
// written as decimal digits.
namespace modcol {

// The names the type, city and zone lists offer; only real offers (key
// above 0) with a city, a zone and a type count, as on the result pages.
QString typeListStatement();
QString cityListStatement(const QString &clauses);
QString zoneListStatement(const QString &clauses);

// Key and price of every offer that matches, cheapest first, ties by key:
// the order the record card walks too, so that a position on the card is a
// position on the pages.
QString searchStatement(const QString &clauses);

// The offer's photos, first photo first; the first one's `ruta` makes the
// result cell's picture when no prepared thumbnail exists.
QString firstPhotoStatement(int codOfer);

// The record card's offers, keys only: the search's offers in the search's
// order (an offer without a state of repair or an orientation included), so
// that a position on the card is a position on the pages.
QString cardOffersStatement(const QString &where);

// One offer of the card: every column of `ofertas` and the names of its
// place, type, state of repair and orientation (Null where it has none).
// The card reads the offer it shows by key, so that opening it on thousands
// of offers reads their keys, not all their columns.
QString cardStatement(int codOfer);

// The qualities the card lists, in the table's own order.
QString qualitiesStatement();

// The offer's photos on the card, hidden ones included, by `orden`.
QString cardPhotosStatement(int codOfer);

// The offer's photos for extraction, hidden ones included, in the table's order.
QString extractionPhotosStatement(int codOfer);

// The offer's photos in the viewer, hidden ones left out, by `orden` then
// key, with the offer's price ("#,##0 eur"), type, city, zone and reference.
QString viewerPhotosStatement(int codOfer);

// Asks for the indexes these statements need, so that a search, a card or
// an offer's photos read only their own rows.
void declareStatementIndexes(catalogue::Database &database);

} // namespace modcol

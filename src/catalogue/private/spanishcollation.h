#pragma once

#include <QStringView>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// The order and equality of every text column of the catalogue: texts are
// equal when they are equal after Unicode case folding ('Málaga' = 'MÁLAGA',
// 'Avila' <> 'Ávila'); they sort by their letters without accents first, ñ
// being a letter of its own between n and o, then by accents, unaccented
// first (Avila, Ávila, Badajoz). A total order consistent with equality, so
// that =, DISTINCT and ORDER BY agree.
int compareSpanish(QStringView a, QStringView b);

} // namespace catalogue

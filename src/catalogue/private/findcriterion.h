#pragma once

#include <QString>
#include <QVariant>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// The criterion FindFirst takes: a column, "=" and a number, as in
// "ofertas.cod_ofer=123" or "CodFoto=7". The column may be qualified by its
// table and [bracketed]; names compare without regard to case.
class FindCriterion
{
public:
    // Throws CatalogueError for any other form.
    static FindCriterion parse(const QString &criterion);

    const QString &column() const { return m_column; }
    bool matches(const QVariant &value) const;

private:
    QString m_column;
    double m_number = 0;
};

} // namespace catalogue

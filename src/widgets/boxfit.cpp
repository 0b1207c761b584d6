#include "widgets/boxfit.h"

#include "catalogue/rounding.h"

namespace modcol {

QSize fitInBox(QSize picture, QSize box, FitTie tie)
{
    if (picture.isEmpty() || box.isEmpty())
        return QSize();
    const auto scaled = [picture](int side, int pictureSide) {
        const double k = double(qint64(side) * 100) / pictureSide / 100;
        return QSize(int(catalogue::nearestEven(k * picture.width())), int(catalogue::nearestEven(k * picture.height())));
    };
    const QSize byWidth = scaled(box.width(), picture.width());
    const bool tooTall = tie == FitTie::KeepWidth ? byWidth.height() > box.height() : byWidth.height() >= box.height();
    return tooTall ? scaled(box.height(), picture.height()) : byWidth;
}

} // namespace modcol

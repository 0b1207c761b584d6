#include "card/photobox.h"

#include "catalogue/rounding.h"

namespace card {

std::optional<QSize> photoBox(QSize picture, int ancho, int alto)
{
    const int pw = picture.width();
    const int ph = picture.height();
    if (pw <= 0 || ph <= 0)
        return std::nullopt;
    // The factor is taken by way of a hundredfold box, as the window always
    // did, so that the sizes come out the same to the twip.
    const auto scaled = [pw, ph](double k) {
        return QSize(int(catalogue::nearestEven(k * pw)), int(catalogue::nearestEven(k * ph)));
    };
    const QSize byWidth = scaled(double(qint64(ancho) * 100) / pw / 100);
    if (byWidth.height() <= alto)
        return byWidth;
    return scaled(double(qint64(alto) * 100) / ph / 100);
}

} // namespace card

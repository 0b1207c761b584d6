#include "results/pictures.h"

namespace results {

QPixmap makerLogo()
{
    return QPixmap(QStringLiteral(":/results/fabricante.png"));
}

QPixmap makerBanner()
{
    return QPixmap(QStringLiteral(":/results/banner.png"));
}

QPixmap helpIcon()
{
    return QPixmap(QStringLiteral(":/results/funciones.png"));
}

QPixmap windowIcon()
{
    return QPixmap(QStringLiteral(":/results/icono.png"));
}

QCursor handCursor()
{
    // The finger tip is the hot spot.
    return QCursor(QPixmap(QStringLiteral(":/results/mano.png")), 10, 1);
}

} // namespace results

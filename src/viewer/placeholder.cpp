#include "viewer/placeholder.h"

#include <QLabel>

#include "startup/colours.h"

namespace viewer {

void showPlaceholder(QLabel *box, Placeholder why)
{
    box->clear();
    box->setTextFormat(Qt::PlainText);
    box->setAlignment(Qt::AlignCenter);
    box->setWordWrap(true);
    const QWidget *ground = box->parentWidget();
    const bool darkGround = ground && ground->palette().color(ground->backgroundRole()).lightness() < 128;
    modcol::setTextColour(box, darkGround ? Qt::white : Qt::darkGray);
    box->setText(why == Placeholder::NoPhotos ? QStringLiteral("Sin fotos") : QStringLiteral("Foto no disponible"));
}

} // namespace viewer

#include "viewer/placeholder.h"

#include <algorithm>

#include <QLabel>

#include "widgets/colours.h"

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
    // Read at a glance: larger in a larger box, from the ground's own size
    // up to three times that.
    QFont font = ground ? ground->font() : box->font();
    const int smallest = QFontInfo(font).pixelSize();
    font.setPixelSize(std::clamp(box->height() / 16, smallest, 3 * smallest));
    box->setFont(font);
    box->setText(why == Placeholder::NoPhotos ? QStringLiteral("Sin fotos") : QStringLiteral("Foto no disponible"));
}

} // namespace viewer

#include "demofolder/photopainter.h"

#include "demofolder/outlinetext.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace demofolder {

namespace {

const QColor Skies[] = {{96, 160, 220}, {120, 180, 235}, {70, 130, 200}, {150, 190, 225}};
const QColor Walls[] = {{245, 240, 225}, {236, 214, 170}, {250, 250, 250}, {226, 190, 160}, {240, 225, 200}};
const QColor Roofs[] = {{170, 70, 50}, {140, 60, 45}, {110, 110, 120}, {190, 100, 60}};
const QColor Grounds[] = {{110, 160, 80}, {200, 180, 130}, {90, 140, 70}};

// Picks one entry of a colour table from a few bits of the palette number.
template<std::size_t N>
const QColor &choose(const QColor (&table)[N], std::uint32_t palette, int shift)
{
    return table[(palette >> shift) % N];
}

void paintHouse(QPainter &painter, const QRectF &walls, double roofHeight, std::uint32_t palette)
{
    painter.setPen(QPen(QColor(60, 50, 40), std::max(1.0, walls.width() / 200)));
    painter.setBrush(choose(Walls, palette, 4));
    painter.drawRect(walls);

    const double eave = walls.width() * 0.06;
    QPolygonF roof;
    roof << QPointF(walls.left() - eave, walls.top())
         << QPointF(walls.center().x(), walls.top() - roofHeight)
         << QPointF(walls.right() + eave, walls.top());
    painter.setBrush(choose(Roofs, palette, 8));
    painter.drawPolygon(roof);

    const double doorWidth = walls.width() * 0.16;
    const QRectF door(walls.center().x() - doorWidth / 2, walls.bottom() - walls.height() * 0.55,
                      doorWidth, walls.height() * 0.55);
    painter.setBrush(QColor(110, 70, 40));
    painter.drawRect(door);

    // One or two windows on each side of the door.
    const int perSide = 1 + static_cast<int>((palette >> 12) % 2);
    const double side = (walls.width() - doorWidth) / 2;
    const double windowSide = std::min(walls.height() * 0.3, side / perSide * 0.6);
    painter.setBrush(QColor(170, 210, 240));
    for (const double start : {walls.left(), door.right()}) {
        for (int i = 0; i < perSide; ++i) {
            const double slot = side / perSide;
            const double x = start + slot * i + (slot - windowSide) / 2;
            painter.drawRect(QRectF(x, walls.top() + walls.height() * 0.15, windowSide, windowSide));
        }
    }
}

void paintTree(QPainter &painter, QPointF foot, double height)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(100, 70, 40));
    painter.drawRect(QRectF(foot.x() - height * 0.05, foot.y() - height * 0.5, height * 0.1, height * 0.5));
    painter.setBrush(QColor(50, 120, 50));
    painter.drawEllipse(QPointF(foot.x(), foot.y() - height * 0.65), height * 0.3, height * 0.35);
}

void paintCaption(QPainter &painter, const QRectF &band, const PhotoLook &look)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 30, 50, 190));
    painter.drawRect(band);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(band.height() * 0.36)));
    const QRectF upper(band.left(), band.top(), band.width(), band.height() * 0.55);
    drawOutlineText(painter, upper, Qt::AlignHCenter, font, look.title, Qt::white);

    font.setBold(false);
    font.setPixelSize(std::max(7, static_cast<int>(band.height() * 0.26)));
    const QRectF lower(band.left(), upper.bottom(), band.width(), band.height() * 0.4);
    drawOutlineText(painter, lower, Qt::AlignHCenter, font, look.subtitle, Qt::white);
}

} // namespace

QImage paintPhoto(const PhotoLook &look)
{
    QImage image(look.size, QImage::Format_RGB32);
    // Antialiased edges blend with what lies below: start from defined pixels.
    image.fill(choose(Grounds, look.palette, 14));
    const double w = look.size.width();
    const double h = look.size.height();
    const double horizon = h * 0.68;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, horizon);
    const QColor skyColour = choose(Skies, look.palette, 0);
    sky.setColorAt(0, skyColour);
    sky.setColorAt(1, skyColour.lighter(150));
    painter.fillRect(QRectF(0, 0, w, horizon), sky);

    const double unit = std::min(w, h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 215, 80));
    painter.drawEllipse(QPointF(w * (0.12 + 0.1 * ((look.palette >> 16) % 4)), h * 0.14), unit * 0.07, unit * 0.07);

    const double houseWidth = w * 0.5;
    const double houseHeight = h * 0.26;
    const double left = w * (0.08 + 0.04 * ((look.palette >> 18) % 5));
    paintHouse(painter, QRectF(left, horizon + h * 0.06 - houseHeight, houseWidth, houseHeight),
               h * 0.15, look.palette);
    if ((look.palette >> 21) % 3 != 0)
        paintTree(painter, QPointF(std::min(w * 0.88, left + houseWidth + w * 0.16), horizon + h * 0.08), h * 0.3);

    const double bandHeight = std::max(24.0, h * 0.16);
    paintCaption(painter, QRectF(0, h - bandHeight, w, bandHeight), look);
    return image;
}

} // namespace demofolder

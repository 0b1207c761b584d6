// Draws the pictures the windows carry (the maker's logo and banner, the help
// icon, the hand cursor, the window icon) into a folder as PNG files. Their
// output is kept in src/results/images; run it again only to change them:
//     draw-pictures src/results/images
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Navy(24, 62, 110);
const QColor Heather(176, 62, 122);
const QColor Sea(40, 130, 164);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawHouse(QPainter &p, const QRectF &box, const QColor &walls, const QColor &roof)
{
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath roofPath;
    roofPath.moveTo(box.left(), box.top() + h * 0.45);
    roofPath.lineTo(box.left() + w / 2, box.top());
    roofPath.lineTo(box.right(), box.top() + h * 0.45);
    roofPath.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(roof);
    p.drawPath(roofPath);
    p.setBrush(walls);
    p.drawRect(QRectF(box.left() + w * 0.15, box.top() + h * 0.45, w * 0.7, h * 0.55));
    p.setBrush(roof);
    p.drawRect(QRectF(box.left() + w * 0.42, box.top() + h * 0.68, w * 0.16, h * 0.32));
}

// The maker's name beside a house on a sea-blue band, with a second line.
QImage wideLogo(const QString &secondLine)
{
    QImage image = canvas(442, 99);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 442, 0);
    band.setColorAt(0, Navy);
    band.setColorAt(1, Sea);
    p.setBrush(band);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, 442, 99), 12, 12);
    drawHouse(p, QRectF(18, 14, 70, 70), Qt::white, Heather);
    p.setPen(Qt::white);
    QFont name(QStringLiteral("Liberation Sans"), 34, QFont::Bold);
    name.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(name);
    p.drawText(QRectF(104, 6, 330, 58), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("BREZOMAR"));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 13, QFont::DemiBold));
    p.drawText(QRectF(106, 60, 330, 30), Qt::AlignLeft | Qt::AlignVCenter, secondLine);
    return image;
}

// A sheet of paper with a folded corner and lines of text.
QImage helpIcon()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(6, 2);
    sheet.lineTo(20, 2);
    sheet.lineTo(27, 9);
    sheet.lineTo(27, 30);
    sheet.lineTo(6, 30);
    sheet.closeSubpath();
    p.setPen(QPen(Navy, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(210, 220, 235));
    p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 9), QPointF(27, 9)}));
    p.setPen(QPen(Heather, 2));
    for (int y = 14; y <= 26; y += 4)
        p.drawLine(QPointF(10, y), QPointF(y == 26 ? 18 : 23, y));
    return image;
}

// A pointing hand; its finger tip is the hot spot at (10, 1).
QImage handCursor()
{
    QImage image = canvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(8, 4);
    hand.cubicTo(8, 0, 13, 0, 13, 4);
    hand.lineTo(13, 13);
    hand.cubicTo(14, 11, 18, 11, 18, 14);
    hand.cubicTo(19, 12, 23, 12, 23, 15);
    hand.cubicTo(24, 13, 28, 14, 28, 17);
    hand.lineTo(28, 23);
    hand.cubicTo(28, 27, 25, 30, 21, 30);
    hand.lineTo(14, 30);
    hand.cubicTo(11, 30, 9, 28, 7, 25);
    hand.lineTo(2, 18);
    hand.cubicTo(1, 15, 5, 14, 7, 17);
    hand.lineTo(8, 18);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1));
    for (qreal x : {18.0, 23.0})
        p.drawLine(QPointF(x, 15), QPointF(x, 20));
    return image;
}

// Drawn on a grid of 64 at 256 pixels, the size desktops show in their
// menus and launchers; title bars scale it down.
QImage windowIcon()
{
    constexpr int Size = 256;
    QImage image = canvas(Size, Size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Size / 64.0, Size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Sea);
    p.drawRoundedRect(QRectF(0, 0, 64, 64), 12, 12);
    drawHouse(p, QRectF(10, 8, 44, 46), Qt::white, Heather);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: draw-pictures CARPETA\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct
    {
        const char *name;
        QImage image;
    } pictures[] = {
        {"fabricante.png", wideLogo(QStringLiteral("Software para inmobiliarias"))},
        {"banner.png", wideLogo(QStringLiteral("Aplicaciones para inmobiliarias"))},
        {"funciones.png", helpIcon()},
        {"mano.png", handCursor()},
        {"icono.png", windowIcon()},
    };
    for (const auto &picture : pictures) {
        if (!picture.image.save(folder.filePath(QString::fromLatin1(picture.name)))) {
            std::fprintf(stderr, "no se pudo escribir %s\n", picture.name);
            return 1;
        }
    }
    return 0;
}

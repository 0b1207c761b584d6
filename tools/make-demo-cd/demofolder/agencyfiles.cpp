#include "demofolder/agencyfiles.h"

#include "demofolder/outlinetext.h"
#include "demofolder/outputfiles.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace demofolder {

void writeAgencyNameFile(const QString &path)
{
    const QString text = QStringLiteral("  %1  \r\nAvda. Papa Luna, 8 - 12598 Peñíscola (Castellón)\r\n")
                             .arg(QString::fromUtf8(AgencyName));
    // Every character lies in the range where Windows-1252 and Latin-1 agree.
    writeBytes(path, text.toLatin1());
}

void writeAgencyLogo(const QString &path)
{
    QImage logo(600, 220, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 190, 40));
    painter.drawEllipse(QPointF(95, 95), 55, 55);
    QPainterPath sea;
    sea.moveTo(20, 140);
    sea.cubicTo(60, 110, 100, 170, 140, 140);
    sea.cubicTo(160, 125, 175, 135, 180, 140);
    sea.lineTo(180, 190);
    sea.lineTo(20, 190);
    sea.closeSubpath();
    painter.setBrush(QColor(20, 90, 170));
    painter.drawPath(sea);

    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(54);
    const QColor blue(20, 90, 170);
    drawOutlineText(painter, QRectF(200, 40, 390, 80), Qt::AlignLeft, font, QStringLiteral("Peñíscola"), blue);
    font.setPixelSize(34);
    font.setBold(false);
    drawOutlineText(painter, QRectF(200, 115, 390, 50), Qt::AlignLeft, font,
                    QStringLiteral("Costa · Inmobiliaria"), blue);
    painter.end();
    writeBytes(path, encodeJpeg(logo, 90));
}

} // namespace demofolder

#include "results/startpanel.h"

#include <QImageReader>

#include "catalogue/rounding.h"
#include "results/pictures.h"
#include "startup/clicklabel.h"
#include "startup/formscaling.h"

using namespace modcol;

namespace results {

namespace {

const QColor Azul(0, 0, 255);

void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

} // namespace

QSize logoSize(QSize logo, int alto, int ancho)
{
    if (alto <= 0 || ancho <= 0 || logo.isEmpty())
        return QSize();
    if (logo.height() <= alto && logo.width() <= ancho)
        return logo;
    const auto scaled = [logo](double factor) {
        return QSize(int(catalogue::nearestEven(logo.width() * factor)),
                     int(catalogue::nearestEven(logo.height() * factor)));
    };
    const QSize byWidth = scaled(double(ancho) / logo.width());
    return byWidth.height() <= alto ? byWidth : scaled(double(alto) / logo.height());
}

StartPanel::StartPanel(QWidget *window)
    : QFrame(window)
    , m_lbtexto(new QLabel(this))
    , m_imglogo(new QLabel(this))
    , m_image1(new modcol::ClickLabel(this))
{
    setObjectName(QStringLiteral("frmimagen"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    placeControl(this, 240, 960, 11415, 6615);

    m_lbtexto->setObjectName(QStringLiteral("lbtexto"));
    m_lbtexto->setTextFormat(Qt::PlainText);
    setTextColour(m_lbtexto, Azul);
    placeControl(m_lbtexto, 240, 360, 0, 0);
    setDesignFont(m_lbtexto, 27.75);
    setAutoSize(m_lbtexto);

    m_imglogo->setObjectName(QStringLiteral("imglogo"));
    placeControl(m_imglogo, 360, 1200, 1935, 975);

    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(makerLogo());
    m_image1->setScaledContents(true);
    m_image1->setCursor(handCursor());
    placeControl(m_image1, 3360, 5280, 4950, 1125);
    connect(m_image1, &modcol::ClickLabel::clicked, this, &StartPanel::fabricantePulsado);

    // Opens the record card without an offer.
    auto *label4 = new modcol::ClickLabel(QStringLiteral("Mas información"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    setTextColour(label4, Azul);
    label4->setCursor(handCursor());
    placeControl(label4, 8760, 6240, 1425, 225);
    setDesignFont(label4, 9);
    connect(label4, &modcol::ClickLabel::clicked, this, &StartPanel::masInformacionPulsada);
}

void StartPanel::muestraInmobiliaria(const QString &nombre, const QString &logoFile)
{
    m_lbtexto->setText(nombre);
    m_lbtexto->adjustSize();
    if (logoFile.isEmpty())
        return;
    QImageReader reader(logoFile);
    reader.setAutoTransform(true);
    const QImage logo = reader.read();
    if (logo.isNull()) {
        m_imglogo->hide();
        return;
    }
    // Until it stretches, the box takes the picture's own size.
    m_imglogo->resize(logo.size());
    m_imglogo->setPixmap(QPixmap::fromImage(logo));
    m_imglogo->setScaledContents(true);
    AjustaLogo();
}

void StartPanel::AjustaLogo()
{
    const auto alto = static_cast<int>(catalogue::nearestEven(pixelsToTwips(m_image1->y()) - 200 - pixelsToTwips(m_lbtexto->y())
                                                              - pixelsToTwips(m_lbtexto->height())));
    const auto ancho = static_cast<int>(catalogue::nearestEven(pixelsToTwips(width()) - 400));
    const QSize logo = logoSize(QSize(int(pixelsToTwips(m_imglogo->width())), int(pixelsToTwips(m_imglogo->height()))), alto, ancho);
    if (logo.isEmpty()) {
        m_imglogo->hide();
        return;
    }
    m_imglogo->resize(twipsToPixels(logo.width()), twipsToPixels(logo.height()));
    m_imglogo->move(twipsToPixels((pixelsToTwips(width()) - pixelsToTwips(m_imglogo->width())) / 2), m_imglogo->y());
}

} // namespace results

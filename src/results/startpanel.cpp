#include "results/startpanel.h"

#include "catalogue/rounding.h"
#include "pictures/picture.h"
#include "pictures/pictureloader.h"
#include "results/pictures.h"
#include "widgets/boxfit.h"
#include "widgets/clicklabel.h"
#include "widgets/colours.h"
#include "widgets/formscaling.h"

using namespace modcol;

namespace results {

namespace {


// The size, in twips, of a logo of `logo` twips in a room of `alto` by
// `ancho` twips: shrunk with its proportions kept when it does not fit,
// never enlarged. An empty size when there is no room at all.
QSize logoSize(QSize logo, int alto, int ancho)
{
    if (alto <= 0 || ancho <= 0 || logo.isEmpty())
        return QSize();
    if (logo.height() <= alto && logo.width() <= ancho)
        return logo;
    return modcol::fitInBox(logo, QSize(ancho, alto), modcol::FitTie::KeepWidth);
}

} // namespace

StartPanel::StartPanel(QWidget *parent)
    : QFrame(parent)
    , lbtexto(new QLabel(this))
    , imglogo(new QLabel(this))
    , Image1(new modcol::ClickLabel(this))
    , Label4(new modcol::ClickLabel(QStringLiteral("Mas información"), this))
    , m_logoLoader(new modcol::PictureLoader(this))
{
    setObjectName(QStringLiteral("frmimagen"));
    setBackColour(this, Qt::white);
    placeControl(this, 240, 960, 11415, 6615);

    lbtexto->setObjectName(QStringLiteral("lbtexto"));
    lbtexto->setTextFormat(Qt::PlainText);
    setTextColour(lbtexto, modcol::DesignColour::TextBlue);
    placeControl(lbtexto, 240, 360, 0, 0);
    setDesignFont(lbtexto, 27.75);
    setAutoSize(lbtexto);

    imglogo->setObjectName(QStringLiteral("imglogo"));
    placeControl(imglogo, 360, 1200, 1935, 975);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(makerLogo());
    Image1->setScaledContents(true);
    Image1->setCursor(handCursor());
    placeControl(Image1, 3360, 5280, 4950, 1125);
    connect(Image1, &modcol::ClickLabel::clicked, this, &StartPanel::makerClicked);

    Label4->setObjectName(QStringLiteral("Label4"));
    setTextColour(Label4, modcol::DesignColour::TextBlue);
    Label4->setCursor(handCursor());
    placeControl(Label4, 8760, 6240, 1425, 225);
    setDesignFont(Label4, 9);
    connect(Label4, &modcol::ClickLabel::clicked, this, &StartPanel::moreInformationClicked);
    connect(m_logoLoader, &modcol::PictureLoader::loaded, this, [this](int, const modcol::Picture &logo) { showLogo(logo); });
}

void StartPanel::showAgency(const QString &name, const QString &logoFile)
{
    lbtexto->setText(name);
    lbtexto->adjustSize();
    if (logoFile.isEmpty())
        return;
    // The logo never needs more pixels than the panel has.
    m_logoLoader->request(0, logoFile, size() * devicePixelRatioF(), modcol::PictureFit::KeepAspect);
}

void StartPanel::showLogo(const modcol::Picture &logo)
{
    if (logo.image.isNull()) {
        imglogo->hide();
        return;
    }
    // Until it stretches, the box takes the picture's own size.
    imglogo->resize(logo.size);
    imglogo->setPixmap(modcol::devicePixmap(logo.image, imglogo->devicePixelRatioF()));
    imglogo->setScaledContents(true);
    AjustaLogo();
}

void StartPanel::AjustaLogo()
{
    const auto alto = static_cast<int>(catalogue::nearestEven(pixelsToTwips(Image1->y()) - 200 - pixelsToTwips(lbtexto->y())
                                                              - pixelsToTwips(lbtexto->height())));
    const auto ancho = static_cast<int>(catalogue::nearestEven(pixelsToTwips(width()) - 400));
    const QSize logo = logoSize(QSize(int(pixelsToTwips(imglogo->width())), int(pixelsToTwips(imglogo->height()))), alto, ancho);
    if (logo.isEmpty()) {
        imglogo->hide();
        return;
    }
    imglogo->resize(twipsToPixels(logo.width()), twipsToPixels(logo.height()));
    imglogo->move(twipsToPixels((pixelsToTwips(width()) - pixelsToTwips(imglogo->width())) / 2), imglogo->y());
}

} // namespace results

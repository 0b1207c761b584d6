#include "results/frmbrezomar.h"

#include <QDesktopServices>
#include <QScreen>
#include <QUrl>

#include "filelookup/cataloguepaths.h"
#include "results/pictures.h"
#include "startup/agencyfiles.h"
#include "startup/modcol.h"
#include "widgets/clicklabel.h"
#include "widgets/colours.h"
#include "widgets/formscaling.h"

using namespace modcol;

namespace results {

namespace {

const QString WebAddress = QStringLiteral("www.brezomar.es");

const QString Advertising = QStringLiteral(
    "Actualización automática de la página web de la inmobiliaria desde el programa.\n"
    "Envío de ofertas a los portales Casas Hoy, InmoRed, Vivienda Directa y TuPiso.\n"
    "Diseño y construcción de sitios web para inmobiliarias.\n"
    "Comunicación entre oficinas.\n"
    "Grabación automática de CDs para los colaboradores.\n"
    "Y muchas funciones más.");

QString helpDocumentPath()
{
    return existingFile(RutaApp, HelpDocumentFile);
}

} // namespace

frmbrezomar::frmbrezomar(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , Image1(new modcol::ClickLabel(this))
{
    setWindowTitle(QStringLiteral("APLICACIONES PARA INMOBILIARIAS"));
    setBackColour(this, Qt::white);
    resize(twipsToPixels(8565), twipsToPixels(5115));

    auto *image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(makerBanner());
    image2->setScaledContents(true);
    placeControl(image2, 960, 0, 6630, 1485);

    // A box of text for reading only: a label never takes the focus, so it
    // never shows a caret or a selection, and its lines wrap as a text box's.
    auto *text1 = new QLabel(Advertising, this);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setTextFormat(Qt::PlainText);
    text1->setWordWrap(true);
    text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    text1->setMargin(2);
    setBackColour(text1, Qt::white);
    placeControl(text1, 360, 1920, 7695, 1815);
    setDesignFont(text1, 9.75);

    auto *lbtexto = new QLabel(QStringLiteral("Hacemos demostraciones del Software"), this);
    setTextColour(lbtexto, DesignColour::TextBlue);
    placeControl(lbtexto, 2280, 3840, 4470, 285);
    setDesignFont(lbtexto, 12);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(helpIcon());
    Image1->setScaledContents(true);
    Image1->setToolTip(QStringLiteral("Funciones"));
    Image1->setCursor(handCursor());
    placeControl(Image1, 3960, 4440, 480, 480);
    connect(Image1, &modcol::ClickLabel::clicked, this, &frmbrezomar::Image1_Click);

    auto *label1 = new modcol::ClickLabel(WebAddress, this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setTextFormat(Qt::PlainText);
    label1->setCursor(handCursor());
    placeControl(label1, 360, 4560, 2880, 285);
    setDesignFont(label1, 12);
    connect(label1, &modcol::ClickLabel::clicked, this, &frmbrezomar::Label1_Click);

    auto *label2 = new QLabel(QStringLiteral("Soporte telefónico 900 123 456"), this);
    placeControl(label2, 5280, 4560, 2880, 240);
    setDesignFont(label2, 9.75);

    if (helpDocumentPath().isEmpty())
        Image1->hide();
    AjustaFormu(this, 0, 0, false);
    setFixedSize(size());
    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
}

void frmbrezomar::Image1_Click()
{
    const QString document = helpDocumentPath();
    if (document.isEmpty())
        Image1->hide();
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(document));
}

void frmbrezomar::Label1_Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + WebAddress));
}

} // namespace results

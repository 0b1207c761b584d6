// The viewer's controls at their design positions (twips, before scaling),
// with their fonts, colours and texts.
#include "viewer/frmfoto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "startup/failure.h"
#include "viewer/choicelist.h"
#include "viewer/photogrid.h"
#include "viewer/singlephoto.h"
#include "viewer/zoombox.h"
#include "widgets/colours.h"
#include "widgets/commandbutton.h"
#include "widgets/formscaling.h"
#include "widgets/recordnavigator.h"

using modcol::placeControl;
using modcol::setBackColour;
using modcol::setDesignFont;

namespace viewer {
namespace {

QLabel *addLabel(QWidget *container, const QString &name, const QString &caption, int left)
{
    auto *label = new QLabel(caption, container);
    label->setObjectName(name);
    placeControl(label, left, 0, 615, 225);
    setDesignFont(label, 9);
    modcol::setAutoSize(label);
    return label;
}

QComboBox *addList(QWidget *container, const char *name, const QStringList &entries, const QString &text, int left)
{
    auto *list = new QComboBox(container);
    list->setObjectName(QLatin1String(name));
    list->addItems(entries);
    list->setCurrentText(text);
    placeControl(list, left, 240, 615, 345);
    setDesignFont(list, 9);
    return list;
}

QPushButton *addButton(QWidget *container, const char *name, const QString &caption)
{
    // Enter presses a focused button; elsewhere it belongs to the zoom box
    // and the seconds list, never to a default button.
    auto *button = new modcol::CommandButton(caption, container);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A frame without a border that holds one view's controls; hidden until
// that view is chosen.
QWidget *addPanel(QWidget *window, const char *name, int left, int width)
{
    auto *panel = new QWidget(window);
    panel->setObjectName(QLatin1String(name));
    placeControl(panel, left, 120, width, 615);
    panel->hide();
    return panel;
}

} // namespace

void FrmFoto::createControls()
{
    setBackColour(this, modcol::DesignColour::WindowBlue);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    setBackColour(Shape1, modcol::DesignColour::BandGrey);
    placeControl(Shape1, 120, 60, 11655, 800);

    botcerrar = addButton(this, "botcerrar", QStringLiteral("&Cerrar"));
    setBackColour(botcerrar, modcol::DesignColour::WindowBlue);
    placeControl(botcerrar, 240, 240, 1335, 495);
    setDesignFont(botcerrar, 9.75);
    connect(botcerrar, &QPushButton::clicked, this, &FrmFoto::botcerrar_Click);

    Frame1 = new QGroupBox(QStringLiteral("Tipo Vista"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeControl(Frame1, 1680, 120, 2775, 650);
    setDesignFont(Frame1, 8.25);
    const QString captions[] = {QStringLiteral("Una Foto"), QStringLiteral("Foto Detalle")};
    const int lefts[] = {120, 1320};
    const int widths[] = {1095, 1335};
    for (int i = 0; i < 2; ++i) {
        OptAcc[i] = new QRadioButton(captions[i], Frame1);
        OptAcc[i]->setObjectName(QStringLiteral("OptAcc_%1").arg(i));
        placeControl(OptAcc[i], lefts[i], 320, widths[i], 255);
        setDesignFont(OptAcc[i], 8.25);
        // Only the option that becomes selected acts.
        connect(OptAcc[i], &QRadioButton::toggled, this, [this](bool selected) {
            if (selected)
                OptAcc_Click();
        });
    }

    createGridControls();
    createSingleViewControls();

    // The views, under the band's controls.
    m_grid = new PhotoGrid(*m_model, *botcerrar, this);
    m_grid->lower();
    connect(m_grid, &PhotoGrid::clicked, this, &FrmFoto::Img_Click);
    connect(m_grid, &PhotoGrid::doubleClicked, this, &FrmFoto::Img_DblClick);
    m_single = new SinglePhoto(*m_model, *TxtZoom, *botcerrar, this);
    connect(m_single, &modcol::ClickLabel::clicked, this, [this] { Img_Click(0); });
    connect(m_single, &modcol::ClickLabel::doubleClicked, this, [this] { Img_DblClick(0); });
}

void FrmFoto::createGridControls()
{
    FraDet = addPanel(this, "FraDet", 4560, 4215);

    BotAtras = addButton(FraDet, "BotAtras", QStringLiteral("<<"));
    BotAtras->setToolTip(QStringLiteral("Fotos Anteriores"));
    placeControl(BotAtras, 0, 120, 735, 495);
    setDesignFont(BotAtras, 24);
    connect(BotAtras, &QPushButton::clicked, this, [this] { turnPage(-1); });

    BotAdel = addButton(FraDet, "BotAdel", QStringLiteral(">>"));
    BotAdel->setToolTip(QStringLiteral("Fotos Siguientes"));
    placeControl(BotAdel, 840, 120, 735, 495);
    setDesignFont(BotAdel, 24);
    connect(BotAdel, &QPushButton::clicked, this, [this] { turnPage(1); });

    Label1[0] = addLabel(FraDet, QStringLiteral("Label1_0"), QStringLiteral("Filas"), 1680);
    CBFila = addList(FraDet, "CBFila", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                     QStringLiteral("3"), 1680);
    acceptNoTyping(CBFila);
    Label1[1] = addLabel(FraDet, QStringLiteral("Label1_1"), QStringLiteral("Col."), 2400);
    CbCol = addList(FraDet, "CbCol", {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")},
                    QStringLiteral("4"), 2400);
    acceptNoTyping(CbCol);
}

void FrmFoto::createSingleViewControls()
{
    FraFoto = addPanel(this, "FraFoto", 4680, 4095);

    Label2 = addLabel(FraFoto, QStringLiteral("Label2"), QStringLiteral("ZOOM"), 0);
    TxtZoom = new ZoomBox(FraFoto);
    TxtZoom->setObjectName(QStringLiteral("TxtZoom"));
    placeControl(TxtZoom, 0, 240, 615, 285);
    setDesignFont(TxtZoom, 9.75);
    connect(TxtZoom, &ZoomBox::entered, this, [this] { modcol::endOnFailure([this] { TxtZoom_Enter(); }); });
    connect(TxtZoom, &ZoomBox::left, this, &FrmFoto::TxtZoom_LostFocus);

    DatImagen = new modcol::RecordNavigator(FraFoto);
    DatImagen->setObjectName(QStringLiteral("DatImagen"));
    DatImagen->setCaption(QStringLiteral("Foto"));
    placeControl(DatImagen, 720, 0, 1260, 585);
    setDesignFont(DatImagen, 8.25, false);

    Label1[2] = addLabel(FraFoto, QStringLiteral("Label1_2"), QStringLiteral("Seg."), 2160);
    const QStringList seconds{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                              QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10")};
    CbSeg = addList(FraFoto, "CbSeg", seconds, QStringLiteral("2"), 2160);
    CbSeg->setToolTip(QStringLiteral("Movimiento Automatico"));
    acceptNoTyping(CbSeg, [this] { Check1_Click(); });

    Check1 = new QCheckBox(QStringLiteral("Automatico"), FraFoto);
    Check1->setObjectName(QStringLiteral("Check1"));
    placeControl(Check1, 2880, 120, 1335, 375);
    setDesignFont(Check1, 8.25);
    // Unchecked by code too: the grid view stops the slideshow that way.
    connect(Check1, &QCheckBox::toggled, this, &FrmFoto::Check1_Click);
    connect(CbSeg, &QComboBox::activated, this, &FrmFoto::Check1_Click);
}

} // namespace viewer

#include "card/fichacontrols.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/colours.h"
#include "widgets/commandbutton.h"
#include "widgets/formscaling.h"
#include "widgets/recordnavigator.h"

using namespace modcol;

namespace card {
namespace {

constexpr double CaptionPoints = 11.25; // labels, frame captions, Command1, the qualities
constexpr double BoxPoints = 9.75;      // the other boxes
constexpr double BarPoints = 9;         // botcerrar and the navigators

struct Rect
{
    int left, top, width, height;
};

// A caption and the box beside it, in the window or in one of its frames;
// positions in twips relative to that container.
struct Field
{
    int frame; // -1: the window itself
    int label;
    const char *caption;
    Rect labelRect;
    int box;
    Rect boxRect;
    bool centred;
};

enum { Frame1, Frame3, Frame2, Frame4 };

struct FrameDesign
{
    const char *name;
    const char *caption;
    Rect rect;
    QColor colour;
};

const FrameDesign Frames[] = {
    {"Frame1", "Distribución", {120, 720, 11175, 855}, DesignColour::TextBlue},
    {"Frame3", "Descripciones", {120, 1680, 6375, 1815}, DesignColour::FrameGreen},
    {"Frame2", "Superficies", {120, 3600, 6375, 975}, DesignColour::TextBlue},
    {"Frame4", "Calidades", {120, 4680, 6375, 1815}, DesignColour::FrameGreen},
};

const Field Fields[] = {
    {-1, 1, "Tipo Propiedad", {240, 120, 1635, 270}, 1, {240, 360, 1815, 315}, false},
    {-1, 2, "Ciudad", {2400, 120, 750, 270}, 2, {2400, 360, 1695, 300}, false},
    {-1, 3, "Zona", {4560, 120, 510, 270}, 3, {4560, 360, 1815, 315}, false},
    {-1, 5, "Precio", {6960, 120, 690, 270}, 4, {6960, 360, 1935, 330}, true},
    {-1, 4, "Referencia", {9720, 120, 1170, 270}, 5, {9720, 360, 1215, 330}, true},
    {Frame1, 14, "Aseos", {120, 360, 645, 270}, 16, {840, 360, 375, 330}, true},
    {Frame1, 17, "Baños", {1800, 360, 675, 270}, 19, {2520, 360, 375, 330}, true},
    {Frame1, 20, "Nº Pltas", {3480, 360, 825, 270}, 18, {4440, 360, 375, 315}, false},
    {Frame1, 16, "Hab. Dobles", {5400, 360, 1290, 270}, 17, {6720, 360, 375, 315}, true},
    {Frame1, 18, "Hab. Simples", {7560, 360, 1380, 270}, 20, {9000, 360, 375, 315}, true},
    {Frame1, 19, "Salon", {9960, 360, 600, 270}, 21, {10680, 360, 375, 330}, true},
    {Frame3, 6, "Conservación", {120, 360, 1485, 270}, 6, {120, 600, 1815, 315}, false},
    {Frame3, 0, "Suelo", {2280, 360, 615, 270}, 7, {2280, 600, 1815, 315}, false},
    {Frame3, 7, "Vistas", {4560, 360, 630, 270}, 8, {4440, 600, 1815, 315}, false},
    {Frame3, 9, "Orientación", {120, 1080, 1245, 270}, 9, {120, 1320, 1815, 315}, false},
    {Frame3, 8, "Carpinteria Int.", {2280, 1080, 1575, 270}, 10, {2280, 1320, 1815, 315}, false},
    {Frame3, 10, "Carpinteria Ext.", {4440, 1080, 1650, 270}, 11, {4440, 1320, 1815, 315}, false},
    {Frame2, 12, "Mt. Utiles", {120, 360, 1005, 270}, 12, {120, 600, 975, 315}, true},
    {Frame2, 11, "Mt. Parcela", {1680, 360, 1185, 270}, 13, {1800, 600, 975, 315}, true},
    {Frame2, 13, "Mt. Const.", {3360, 360, 1080, 270}, 14, {3360, 600, 975, 315}, true},
    {Frame2, 15, "Mt. Fachada", {4920, 360, 1275, 270}, 15, {5040, 600, 975, 315}, true},
};

void place(QWidget *control, const Rect &r)
{
    placeControl(control, r.left, r.top, r.width, r.height);
}

QPushButton *addButton(QWidget *client, const char *name, const QString &caption, Rect rect, double points)
{
    // Enter presses a focused button, never one from a box.
    auto *button = new CommandButton(caption, client);
    button->setObjectName(QLatin1String(name));
    setBackColour(button, DesignColour::ButtonGrey);
    place(button, rect);
    setDesignFont(button, points);
    return button;
}

RecordNavigator *addNavigator(QWidget *client, const char *name, const QString &caption, Rect rect)
{
    auto *navigator = new RecordNavigator(client);
    navigator->setObjectName(QLatin1String(name));
    navigator->setCaption(caption);
    place(navigator, rect);
    setDesignFont(navigator, BarPoints);
    return navigator;
}

} // namespace

CardControls placeCardControls(QWidget *client)
{
    CardControls controls;
    QWidget *frames[std::size(Frames)];
    for (std::size_t i = 0; i < std::size(Frames); ++i) {
        const FrameDesign &design = Frames[i];
        auto *frame = new QGroupBox(QString::fromUtf8(design.caption), client);
        frame->setObjectName(QLatin1String(design.name));
        setTextColour(frame, design.colour);
        place(frame, design.rect);
        setDesignFont(frame, CaptionPoints);
        frames[i] = frame;
    }

    for (const Field &field : Fields) {
        QWidget *container = field.frame < 0 ? client : frames[field.frame];
        auto *label = new QLabel(QString::fromUtf8(field.caption), container);
        label->setObjectName(QStringLiteral("lbcampo%1").arg(field.label));
        setTextColour(label, Qt::black);
        place(label, field.labelRect);
        setDesignFont(label, CaptionPoints);

        auto *box = new QLineEdit(container);
        box->setObjectName(QStringLiteral("txtcampo%1").arg(field.box));
        box->setReadOnly(true);
        box->setAlignment(field.centred ? Qt::AlignCenter : Qt::AlignLeft);
        place(box, field.boxRect);
        setDesignFont(box, BoxPoints);
        controls.txtcampo[field.box] = box;
    }
    setTextColour(controls.txtcampo[4], DesignColour::TextBlue);

    auto *qualities = new QPlainTextEdit(frames[Frame4]);
    qualities->setObjectName(QStringLiteral("txtcampo22"));
    qualities->setReadOnly(true);
    qualities->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    qualities->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(qualities, {120, 240, 6135, 1455});
    setDesignFont(qualities, CaptionPoints);
    controls.txtcampo22 = qualities;

    controls.DatImagen = addNavigator(client, "DatImagen", QStringLiteral("Fotos"), {6600, 1680, 1875, 495});
    controls.Command1 = addButton(client, "Command1", QStringLiteral("AMPLIAR FOTO"), {9000, 1680, 2295, 495},
                                  CaptionPoints);

    controls.Image1 = new QLabel(client);
    controls.Image1->setObjectName(QStringLiteral("Image1"));
    controls.Image1->setScaledContents(true);
    place(controls.Image1, {6600, 2280, 4695, 3615});

    controls.datprincip = addNavigator(client, "datprincip", QStringLiteral("Fichas"), {6720, 6000, 1935, 495});
    controls.botcerrar = addButton(client, "botcerrar", QStringLiteral("&Cerrar"), {9600, 6000, 1455, 495}, BarPoints);
    return controls;
}

} // namespace card

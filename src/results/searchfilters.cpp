#include "results/searchfilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "results/filterclauses.h"
#include "startup/failure.h"
#include "startup/modcol.h"
#include "statements/statements.h"
#include "widgets/colours.h"
#include "widgets/commandbutton.h"
#include "widgets/digitsvalidator.h"
#include "widgets/formscaling.h"
#include "widgets/keys.h"

using namespace modcol;

namespace results {

namespace {


void addLabel(QWidget *band, const char *name, const QString &caption, int left, int width)
{
    auto *label = new QLabel(caption, band);
    label->setObjectName(QLatin1String(name));
    placeControl(label, left, 120, width, 225);
    setDesignFont(label, 9);
}

QComboBox *addList(QWidget *band, const char *name, int left, int width)
{
    auto *list = new QComboBox(band);
    list->setObjectName(QLatin1String(name));
    // Focus by click or Tab only: the wheel never reaches a list.
    list->setFocusPolicy(Qt::StrongFocus);
    placeControl(list, left, 360, width, 360);
    setDesignFont(list, 9.75);
    return list;
}

QLineEdit *addPriceBox(QWidget *band, const char *name, int left, int width)
{
    auto *box = new QLineEdit(band);
    box->setObjectName(QLatin1String(name));
    box->setValidator(new DigitsValidator(box));
    placeControl(box, left, 360, width, 285);
    setDesignFont(box, 9.75);
    return box;
}

// A catalogue name as the lists show it: lower case, first letter capital.
QString displayForm(const QString &name)
{
    QString text = name.toLower();
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The names the statement finds, in its order, as a list shows them.
QStringList listNames(catalogue::Database &database, const QString &sql)
{
    QStringList names;
    const auto rs = database.OpenRecordset(sql);
    for (; !rs->Eof(); rs->MoveNext()) {
        const QString name = catalogue::numberAsText(rs->Fields(0).Value);
        if (!name.isEmpty())
            names.append(displayForm(name));
    }
    return names;
}

// The list holds `names` and no text.
void showNames(QComboBox *list, const QStringList &names)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(names);
    list->setCurrentIndex(-1);
    fitText(list);
}

void emptyList(QComboBox *list)
{
    const QSignalBlocker blocker(list);
    list->clear();
}

bool isErase(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
}

} // namespace

SearchFilters::SearchFilters(QWidget *parent)
    : QWidget(parent)
{
    // The band lies at the window's top left corner, so its controls keep
    // the window's design positions.
    setObjectName(QStringLiteral("shape"));
    setBackColour(this, DesignColour::BandGrey);
    placeControl(this, 0, 0, 12975, 800);

    addLabel(this, "Label1", QStringLiteral("Seleccione Tipo"), 240, 1350);
    cbtipo = addList(this, "cbtipo", 240, 1575);
    addLabel(this, "Label2_0", QStringLiteral("Seleccione Ciudad"), 2040, 1575);
    cbciudad = addList(this, "cbciudad", 2040, 1935);
    addLabel(this, "Label3", QStringLiteral("Seleccione Zona"), 4200, 1410);
    cbzona = addList(this, "cbzona", 4200, 1935);
    addLabel(this, "Label2_1", QStringLiteral("Precio Desde"), 6360, 1140);
    txtdesde = addPriceBox(this, "txtdesde", 6360, 1215);
    addLabel(this, "Label2_2", QStringLiteral("Precio Hasta"), 8040, 1095);
    txthasta = addPriceBox(this, "txthasta", 8040, 1095);

    chkpiscina = new QCheckBox(QStringLiteral("Piscina"), this);
    chkpiscina->setObjectName(QStringLiteral("chkpiscina"));
    setBackColour(chkpiscina, DesignColour::BandGrey);
    placeControl(chkpiscina, 9480, 360, 975, 255);
    setDesignFont(chkpiscina, 9.75);

    botbuscar = new CommandButton(QStringLiteral("Buscar"), this);
    botbuscar->setObjectName(QStringLiteral("botbuscar"));
    placeControl(botbuscar, 10680, 120, 975, 495);
    setDesignFont(botbuscar, 9.75);

    for (QComboBox *list : {cbtipo, cbciudad, cbzona})
        list->installEventFilter(this);
    connect(cbtipo, &QComboBox::activated, this, [this] { endOnFailure([this] { CargaCiudades(); }); });
    connect(cbciudad, &QComboBox::activated, this, [this] { endOnFailure([this] { CargaZonas(); }); });
    connect(txtdesde, &QLineEdit::returnPressed, this, &SearchFilters::requestSearch);
    connect(txthasta, &QLineEdit::returnPressed, this, &SearchFilters::requestSearch);
    connect(botbuscar, &QPushButton::clicked, this, &SearchFilters::requestSearch);
}

FirstLists SearchFilters::readFirstLists(catalogue::Database &database, const QString &cityClauses)
{
    return {listNames(database, typeListStatement()), listNames(database, cityListStatement(cityClauses))};
}

void SearchFilters::showFirstLists(const FirstLists &lists)
{
    showNames(cbtipo, lists.types);
    emptyList(cbzona);
    showNames(cbciudad, lists.cities);
}

void SearchFilters::setWaiting(bool waiting)
{
    for (QWidget *control : std::initializer_list<QWidget *>{cbtipo, cbciudad, cbzona, botbuscar})
        control->setEnabled(!waiting);
}

void SearchFilters::requestSearch()
{
    // Enter in a price box before the lists are there searches nothing.
    if (botbuscar->isEnabled())
        emit searchRequested();
}

QString SearchFilters::MontaFiltro(bool IncluirTodo) const
{
    FilterValues values;
    values.type = cbtipo->currentText();
    values.city = cbciudad->currentText();
    values.zone = cbzona->currentText();
    values.lowestPrice = txtdesde->text();
    values.highestPrice = txthasta->text();
    values.pool = chkpiscina->checkState() == Qt::Checked;
    return filterClauses(values, IncluirTodo);
}

SearchFilters::TestAccess SearchFilters::testAccess() const
{
    return {cbtipo, cbciudad, cbzona, txtdesde, txthasta, chkpiscina, botbuscar};
}

void SearchFilters::CargaCiudades()
{
    emptyList(cbciudad);
    emptyList(cbzona);
    showNames(cbciudad, listNames(baseDatos(), cityListStatement(MontaFiltro(false))));
}

void SearchFilters::CargaZonas()
{
    emptyList(cbzona);
    showNames(cbzona, listNames(baseDatos(), zoneListStatement(MontaFiltro(false))));
}

bool SearchFilters::eventFilter(QObject *watched, QEvent *event)
{
    const bool zoneWithoutCity = watched == cbzona && cbciudad->currentText().isEmpty();
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (reachesChoiceList(key))
            return false;
        if (watched == cbtipo)
            return cbtipo_KeyDown(key);
        if (watched == cbciudad)
            return cbciudad_KeyDown(key);
        return cbzona_KeyDown(key);
    }
    case QEvent::Wheel:
        return true;
    case QEvent::FocusIn: {
        // Focus that comes back when the window is activated or a drop-down
        // closes is no attempt to enter the list.
        const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
        if (zoneWithoutCity && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            askForCity();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The zones are no choice until a city is chosen: no drop-down.
        if (zoneWithoutCity)
            askForCity();
        return zoneWithoutCity;
    default:
        return false;
    }
}

bool SearchFilters::cbtipo_KeyDown(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Delete:
        endOnFailure([this] { CargaCiudades(); });
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // Stepping through the types is a choice of type like one from the list.
        return false;
    default:
        // Nothing is typed into the list: a type is chosen, never written.
        return true;
    }
}

bool SearchFilters::cbciudad_KeyDown(const QKeyEvent *key)
{
    if (isErase(key)) {
        cbciudad->setCurrentIndex(-1);
        endOnFailure([this] { CargaZonas(); });
    } else if (isEnter(key)) {
        requestSearch();
    }
    return true;
}

bool SearchFilters::cbzona_KeyDown(const QKeyEvent *key)
{
    if (isErase(key))
        cbzona->setCurrentIndex(-1);
    else if (isEnter(key))
        requestSearch();
    return true;
}

void SearchFilters::askForCity()
{
    // The focus leaves the zone list before the message shows, so that the
    // message, when it closes, gives the focus back to the city list.
    cbciudad->setFocus(Qt::OtherFocusReason);
    if (m_askingForCity)
        return;
    m_askingForCity = true;
    QMetaObject::invokeMethod(this, [this] {
        QMessageBox box(QMessageBox::Information, ApplicationTitle, QStringLiteral("Debes de seleccionar una Localidad"),
                        QMessageBox::Ok, window());
        box.exec();
        cbciudad->setFocus(Qt::OtherFocusReason);
        m_askingForCity = false;
    }, Qt::QueuedConnection);
}

} // namespace results

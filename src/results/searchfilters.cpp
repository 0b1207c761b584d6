#include "results/searchfilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "catalogue/database.h"
#include "catalogue/recordset.h"
#include "catalogue/regional.h"
#include "results/digitsvalidator.h"
#include "results/filterclauses.h"
#include "startup/failure.h"
#include "startup/formscaling.h"
#include "startup/modcol.h"
#include "startup/statements.h"

using namespace modcol;

namespace results {

namespace {

const QColor Gris(0xBF, 0xBF, 0xBF);

void setBackground(QWidget *control, const QColor &colour)
{
    control->setAutoFillBackground(true);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
}

void addLabel(QWidget *window, const char *name, const QString &caption, int left, int width)
{
    auto *label = new QLabel(caption, window);
    label->setObjectName(QLatin1String(name));
    placeControl(label, left, 120, width, 225);
    setDesignFont(label, 9);
}

QComboBox *addList(QWidget *window, const char *name, int left, int width)
{
    auto *list = new QComboBox(window);
    list->setObjectName(QLatin1String(name));
    // Focus by click or Tab only: the wheel never reaches a list.
    list->setFocusPolicy(Qt::StrongFocus);
    placeControl(list, left, 360, width, 360);
    setDesignFont(list, 9.75);
    return list;
}

QLineEdit *addPriceBox(QWidget *window, const char *name, int left, int width)
{
    auto *box = new QLineEdit(window);
    box->setObjectName(QLatin1String(name));
    box->setValidator(new DigitsValidator(box));
    placeControl(box, left, 360, width, 285);
    setDesignFont(box, 9.75);
    return box;
}

// A catalogue name as the lists show it: lower case, first letter capital.
QString displayForm(const QString &nombre)
{
    QString texto = nombre.toLower();
    if (!texto.isEmpty())
        texto[0] = texto[0].toUpper();
    return texto;
}

// The list holds the names the statement finds, in its order, and no text.
void fillList(QComboBox *list, const QString &sql)
{
    QStringList names;
    const auto rs = BaseDatos->OpenRecordset(sql);
    for (; !rs->Eof(); rs->MoveNext()) {
        const QString nombre = catalogue::numberAsText(rs->Fields(0).Value);
        if (!nombre.isEmpty())
            names.append(displayForm(nombre));
    }
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(names);
    list->setCurrentIndex(-1);
}

void emptyList(QComboBox *list)
{
    const QSignalBlocker blocker(list);
    list->clear();
}

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool isErase(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
}

// Keys that no list handler sees: focus moves, the cancel key, and the keys
// that open the drop-down to choose from.
bool reachesNoHandler(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_F4:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return key->modifiers() & Qt::AltModifier;
    default:
        return false;
    }
}

} // namespace

SearchFilters::SearchFilters(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    auto *shape = new QFrame(window);
    shape->setObjectName(QStringLiteral("shape"));
    setBackground(shape, Gris);
    placeControl(shape, 0, 0, 12975, 800);

    addLabel(window, "Label1", QStringLiteral("Seleccione Tipo"), 240, 1350);
    m_cbtipo = addList(window, "cbtipo", 240, 1575);
    addLabel(window, "Label2_0", QStringLiteral("Seleccione Ciudad"), 2040, 1575);
    m_cbciudad = addList(window, "cbciudad", 2040, 1935);
    addLabel(window, "Label3", QStringLiteral("Seleccione Zona"), 4200, 1410);
    m_cbzona = addList(window, "cbzona", 4200, 1935);
    addLabel(window, "Label2_1", QStringLiteral("Precio Desde"), 6360, 1140);
    m_txtdesde = addPriceBox(window, "txtdesde", 6360, 1215);
    addLabel(window, "Label2_2", QStringLiteral("Precio Hasta"), 8040, 1095);
    m_txthasta = addPriceBox(window, "txthasta", 8040, 1095);

    m_chkpiscina = new QCheckBox(QStringLiteral("Piscina"), window);
    m_chkpiscina->setObjectName(QStringLiteral("chkpiscina"));
    setBackground(m_chkpiscina, Gris);
    placeControl(m_chkpiscina, 9480, 360, 975, 255);
    setDesignFont(m_chkpiscina, 9.75);

    m_botbuscar = new QPushButton(QStringLiteral("Buscar"), window);
    m_botbuscar->setObjectName(QStringLiteral("botbuscar"));
    m_botbuscar->setAutoDefault(false);
    placeControl(m_botbuscar, 10680, 120, 975, 495);
    setDesignFont(m_botbuscar, 9.75);

    for (QComboBox *list : {m_cbtipo, m_cbciudad, m_cbzona})
        list->installEventFilter(this);
    connect(m_cbtipo, &QComboBox::activated, this, [this] { endOnFailure([this] { CargaCiudades(); }); });
    connect(m_cbciudad, &QComboBox::activated, this, [this] { endOnFailure([this] { CargaZonas(); }); });
    connect(m_txtdesde, &QLineEdit::returnPressed, this, &SearchFilters::buscar);
    connect(m_txthasta, &QLineEdit::returnPressed, this, &SearchFilters::buscar);
    connect(m_botbuscar, &QPushButton::clicked, this, &SearchFilters::buscar);
}

void SearchFilters::fillTypeList()
{
    fillList(m_cbtipo, typeListStatement());
    CargaCiudades();
}

QString SearchFilters::MontaFiltro(bool IncluirTodo) const
{
    FilterValues values;
    values.type = m_cbtipo->currentText();
    values.city = m_cbciudad->currentText();
    values.zone = m_cbzona->currentText();
    values.lowestPrice = m_txtdesde->text();
    values.highestPrice = m_txthasta->text();
    values.pool = m_chkpiscina->checkState() == Qt::Checked;
    return filterClauses(values, IncluirTodo);
}

void SearchFilters::CargaCiudades()
{
    emptyList(m_cbciudad);
    emptyList(m_cbzona);
    fillList(m_cbciudad, cityListStatement(MontaFiltro(false)));
}

void SearchFilters::CargaZonas()
{
    emptyList(m_cbzona);
    fillList(m_cbzona, zoneListStatement(MontaFiltro(false)));
}

bool SearchFilters::eventFilter(QObject *watched, QEvent *event)
{
    const bool zonaSinCiudad = watched == m_cbzona && m_cbciudad->currentText().isEmpty();
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (reachesNoHandler(key))
            return false;
        if (watched == m_cbtipo)
            return cbtipo_KeyDown(key);
        if (watched == m_cbciudad)
            return cbciudad_KeyDown(key);
        return cbzona_KeyDown(key);
    }
    case QEvent::Wheel:
        return true;
    case QEvent::FocusIn: {
        // Focus that comes back when the window is activated or a drop-down
        // closes is no attempt to enter the list.
        const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
        if (zonaSinCiudad && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            pideLocalidad();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The zones are no choice until a city is chosen: no drop-down.
        if (zonaSinCiudad)
            pideLocalidad();
        return zonaSinCiudad;
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
        m_cbciudad->setCurrentIndex(-1);
        endOnFailure([this] { CargaZonas(); });
    } else if (isEnter(key)) {
        emit buscar();
    }
    return true;
}

bool SearchFilters::cbzona_KeyDown(const QKeyEvent *key)
{
    if (isErase(key))
        m_cbzona->setCurrentIndex(-1);
    else if (isEnter(key))
        emit buscar();
    return true;
}

void SearchFilters::pideLocalidad()
{
    // The focus leaves the zone list before the message shows, so that the
    // message, when it closes, gives the focus back to the city list.
    m_cbciudad->setFocus(Qt::OtherFocusReason);
    if (m_pidiendoLocalidad)
        return;
    m_pidiendoLocalidad = true;
    QMetaObject::invokeMethod(this, [this] {
        QMessageBox box(QMessageBox::Information, ApplicationTitle, QStringLiteral("Debes de seleccionar una Localidad"),
                        QMessageBox::Ok, m_window);
        box.exec();
        m_cbciudad->setFocus(Qt::OtherFocusReason);
        m_pidiendoLocalidad = false;
    }, Qt::QueuedConnection);
}

} // namespace results

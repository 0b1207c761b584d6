#include "widgets/recordnavigator.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "catalogue/recordset.h"
#include "widgets/formscaling.h"
#include "widgets/keys.h"

namespace modcol {
namespace {

// An arrow button's width for every pixel of the bar's height: narrow, as
// the data control's arrows are.
constexpr double ButtonWidthPerHeight = 0.3;
constexpr int SmallestButton = 8;
constexpr int SmallestIcon = 4;

// An arrow pointing back or on, with a bar at its point for the steps to
// either end, in `colour`, `size` pixels square.
QIcon arrowIcon(bool back, bool toEnd, int size, const QColor &colour, qreal pixelRatio)
{
    QPixmap pixmap(QSize(size, size) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (!back) {
        painter.translate(size, 0);
        painter.scale(-1, 1);
    }
    // Drawn pointing back (to the left); mirrored for the steps on.
    const qreal s = size;
    const qreal bar = toEnd ? std::max(1.0, s / 6) : 0;
    if (toEnd)
        painter.drawRect(QRectF(0, s * 0.1, bar, s * 0.8));
    painter.drawPolygon(QPolygonF{{bar, s / 2}, {s, s * 0.1}, {s, s * 0.9}});
    painter.end();
    return QIcon(pixmap);
}

} // namespace

RecordNavigator::RecordNavigator(QWidget *parent)
    : QWidget(parent)
{
    addButton(First, QStringLiteral("first"), tr("Primero"));
    addButton(Previous, QStringLiteral("previous"), tr("Anterior"));
    m_caption = new QLabel(this);
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);
    // On a box's own ground, so that the caption stays legible, also greyed
    // while the bar is disabled, whatever the window's colour behind it.
    m_caption->setBackgroundRole(QPalette::Base);
    m_caption->setAutoFillBackground(true);
    addButton(Next, QStringLiteral("next"), tr("Siguiente"));
    addButton(Last, QStringLiteral("last"), tr("Último"));
    placeControls();
}

RecordNavigator::~RecordNavigator() = default;

void RecordNavigator::addButton(Step step, const QString &name, const QString &toolTip)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    // Reached by Tab; a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, step] { this->step(step); });
    m_buttons[step] = button;
}

bool RecordNavigator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && pressOnEnter(static_cast<QToolButton *>(watched), static_cast<const QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void RecordNavigator::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void RecordNavigator::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        placeControls();
}

void RecordNavigator::placeControls()
{
    const int h = height();
    const int w = std::max(SmallestButton, int(std::lround(h * ButtonWidthPerHeight)));
    const int iconSize = std::max(SmallestIcon, std::min(w - 4, h / 3));
    const QColor colour = palette().color(QPalette::ButtonText);
    for (const Step step : {First, Previous, Next, Last}) {
        QToolButton *button = m_buttons[step];
        button->setIcon(arrowIcon(step == First || step == Previous, step == First || step == Last, iconSize,
                                  colour, devicePixelRatioF()));
        button->setIconSize(QSize(iconSize, iconSize));
    }
    // First and previous at the left end, next and last at the right end.
    m_buttons[First]->setGeometry(0, 0, w, h);
    m_buttons[Previous]->setGeometry(w, 0, w, h);
    m_caption->setGeometry(2 * w, 0, std::max(0, width() - 4 * w), h);
    m_buttons[Next]->setGeometry(width() - 2 * w, 0, w, h);
    m_buttons[Last]->setGeometry(width() - w, 0, w, h);
    fitCaption();
}

void RecordNavigator::fitCaption()
{
    // The bar's size and weight in the windows' own face, made smaller
    // where the caption would not fit.
    const QFont bar = font();
    const bool designFont = bar.pointSizeF() > 0;
    if (designFont)
        setDesignFont(m_caption, bar.pointSizeF(), bar.bold());
    else
        m_caption->setFont(bar);
    // The position beside the caption where one line holds both, else below it.
    const QString oneLine = (m_captionText + u' ' + m_position).trimmed();
    const int room = m_caption->contentsRect().width();
    if (m_position.isEmpty() || m_caption->fontMetrics().horizontalAdvance(oneLine) <= room)
        m_caption->setText(oneLine);
    else
        m_caption->setText(m_captionText + u'\n' + m_position);
    if (designFont)
        fitText(m_caption);
}

void RecordNavigator::setRecordset(std::unique_ptr<catalogue::Recordset> recordset)
{
    // The set bound before goes once the bar has let it go.
    const std::unique_ptr<catalogue::Recordset> previous = std::exchange(m_owned, std::move(recordset));
    bind(m_owned.get());
}

void RecordNavigator::setRecordset(catalogue::Recordset &recordset)
{
    const std::unique_ptr<catalogue::Recordset> previous = std::move(m_owned);
    bind(&recordset);
}

catalogue::Recordset *RecordNavigator::recordset() const
{
    return m_recordset;
}

void RecordNavigator::bind(catalogue::Recordset *recordset)
{
    if (m_recordset)
        disconnect(m_recordset, nullptr, this, nullptr);
    m_recordset = recordset;
    if (m_recordset)
        connect(m_recordset, &catalogue::Recordset::Reposition, this, &RecordNavigator::relayReposition);
    if (hasRows())
        m_recordset->MoveFirst();
    else
        relayReposition();
}

void RecordNavigator::relayReposition()
{
    showPosition();
    emit Reposition();
}

void RecordNavigator::setCaption(const QString &caption)
{
    m_captionText = caption;
    showPosition();
}

void RecordNavigator::showPosition()
{
    const int position = m_recordset ? m_recordset->AbsolutePosition() : -1;
    m_position = position < 0 ? QString() : tr("%1 de %2").arg(position + 1).arg(m_recordset->RecordCount());
    fitCaption();
}

void RecordNavigator::step(Step step)
{
    if (!isEnabled())
        return;
    switch (step) {
    case First:
        moveFirst();
        break;
    case Previous:
        movePrevious();
        break;
    case Next:
        moveNext();
        break;
    case Last:
        moveLast();
        break;
    }
}

bool RecordNavigator::hasRows() const
{
    return m_recordset && m_recordset->RecordCount() > 0;
}

void RecordNavigator::moveFirst()
{
    if (hasRows())
        m_recordset->MoveFirst();
}

void RecordNavigator::movePrevious()
{
    if (hasRows() && !m_recordset->Bof() && m_recordset->AbsolutePosition() != 0)
        m_recordset->MovePrevious();
}

void RecordNavigator::moveNext()
{
    if (hasRows() && !m_recordset->Eof() && m_recordset->AbsolutePosition() != m_recordset->RecordCount() - 1)
        m_recordset->MoveNext();
}

void RecordNavigator::moveLast()
{
    if (hasRows())
        m_recordset->MoveLast();
}

} // namespace modcol

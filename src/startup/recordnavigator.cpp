#include "startup/recordnavigator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "catalogue/recordset.h"

namespace modcol {

RecordNavigator::RecordNavigator(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_caption = new QLabel(this);
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);

    connect(addButton(QStyle::SP_MediaSkipBackward, QStringLiteral("primero"), tr("Primero")),
            &QToolButton::clicked, this, &RecordNavigator::moveFirst);
    connect(addButton(QStyle::SP_MediaSeekBackward, QStringLiteral("anterior"), tr("Anterior")),
            &QToolButton::clicked, this, &RecordNavigator::movePrevious);
    layout->addWidget(m_caption, 1);
    connect(addButton(QStyle::SP_MediaSeekForward, QStringLiteral("siguiente"), tr("Siguiente")),
            &QToolButton::clicked, this, &RecordNavigator::moveNext);
    connect(addButton(QStyle::SP_MediaSkipForward, QStringLiteral("ultimo"), tr("Último")),
            &QToolButton::clicked, this, &RecordNavigator::moveLast);
}

RecordNavigator::~RecordNavigator() = default;

QToolButton *RecordNavigator::addButton(QStyle::StandardPixmap icon, const QString &name, const QString &toolTip)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    layout()->addWidget(button);
    return button;
}

void RecordNavigator::setRecordset(std::unique_ptr<catalogue::Recordset> recordset)
{
    m_recordset = std::move(recordset);
    if (!m_recordset) {
        emit Reposition();
        return;
    }
    connect(m_recordset.get(), &catalogue::Recordset::Reposition, this, &RecordNavigator::Reposition);
    if (m_recordset->RecordCount() > 0)
        m_recordset->MoveFirst();
    else
        emit Reposition();
}

void RecordNavigator::setCaption(const QString &caption)
{
    m_caption->setText(caption);
}

QString RecordNavigator::caption() const
{
    return m_caption->text();
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

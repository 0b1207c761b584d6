#include "catalogue/recordset.h"

#include "catalogue/catalogueerror.h"
#include "catalogue/private/findcriterion.h"
#include "catalogue/private/recordrows.h"

namespace catalogue {

namespace {

CatalogueError noCurrentRow()
{
    return CatalogueError(QStringLiteral("No hay ningún registro activo."));
}

// Rows given as values, one row after the other.
class VariantRows : public RecordRows
{
public:
    VariantRows(int columns, std::vector<QVariant> values)
        : m_columns(columns)
        , m_values(std::move(values))
    {
    }
    qsizetype count() const override { return m_columns == 0 ? 0 : qsizetype(m_values.size()) / m_columns; }
    QVariant value(qsizetype row, int column) const override { return m_values[size_t(row * m_columns + column)]; }

private:
    int m_columns;
    std::vector<QVariant> m_values;
};

} // namespace

Recordset::Recordset(const QStringList &names, std::vector<QVariant> values, QObject *parent)
    : Recordset(names, std::make_unique<VariantRows>(int(names.size()), std::move(values)), parent)
{
}

Recordset::Recordset(const QStringList &names, std::shared_ptr<RecordRows> rows, QObject *parent)
    : QObject(parent)
    , m_names(names)
    , m_rows(std::move(rows))
{
    m_position = rowsTo(0) > 0 ? 0 : -1;
}

qsizetype Recordset::rowsTo(qsizetype row) const
{
    if (row >= m_rows->count())
        m_rows->readTo(row);
    return m_rows->count();
}

Recordset::~Recordset() = default;

std::unique_ptr<Recordset> Recordset::Clone() const
{
    return std::make_unique<Recordset>(m_names, m_rows);
}

bool Recordset::Eof() const
{
    return rowsTo(0) == 0 || (m_position >= 0 && m_position >= rowsTo(m_position));
}

bool Recordset::Bof() const
{
    return rowsTo(0) == 0 || m_position < 0;
}

void Recordset::requireCurrentRow() const
{
    if (!hasCurrentRow())
        throw noCurrentRow();
}

void Recordset::moveTo(qsizetype position)
{
    m_position = qBound(qsizetype(-1), position, position < 0 ? 0 : rowsTo(position));
    emit Reposition();
}

void Recordset::MoveFirst()
{
    if (rowsTo(0) == 0)
        throw noCurrentRow();
    moveTo(0);
}

void Recordset::MoveLast()
{
    const qsizetype rows = rowsTo(AllRows);
    if (rows == 0)
        throw noCurrentRow();
    moveTo(rows - 1);
}

void Recordset::MoveNext()
{
    if (Eof())
        throw noCurrentRow();
    moveTo(m_position + 1);
}

void Recordset::MovePrevious()
{
    if (Bof())
        throw noCurrentRow();
    moveTo(m_position - 1);
}

void Recordset::Move(int rows)
{
    requireCurrentRow();
    moveTo(m_position + rows);
}

void Recordset::FindFirst(const QString &criterion)
{
    const FindCriterion find = FindCriterion::parse(criterion);
    const int column = fieldIndex(find.column());
    for (qsizetype row = 0; row < rowsTo(row); ++row) {
        if (find.matches(m_rows->value(row, column))) {
            m_noMatch = false;
            moveTo(row);
            return;
        }
    }
    m_noMatch = true;
}

QString Recordset::FieldName(int index) const
{
    if (index < 0 || index >= m_names.size())
        throw CatalogueError(QStringLiteral("No existe el campo número %1.").arg(index));
    return m_names.at(index);
}

int Recordset::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw CatalogueError(QStringLiteral("No existe el campo «%1».").arg(name));
}

Field Recordset::Fields(int index) const
{
    const QString name = FieldName(index);
    requireCurrentRow();
    return Field{name, m_rows->value(m_position, index)};
}

Field Recordset::Fields(const QString &name) const
{
    return Fields(fieldIndex(name));
}

} // namespace catalogue

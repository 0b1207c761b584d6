#include "catalogue/private/findcriterion.h"

#include <QRegularExpression>

#include "catalogue/catalogueerror.h"

namespace catalogue {

FindCriterion FindCriterion::parse(const QString &criterion)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(?:(?:\[[^\]]+\]|\w+)\s*\.\s*)?(\[[^\]]+\]|\w+)\s*=\s*([-+]?(?:\d+\.?\d*|\.\d+))\s*$)"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = form.match(criterion);
    if (!match.hasMatch())
        throw CatalogueError(QStringLiteral("El criterio de búsqueda «%1» no es válido.").arg(criterion));
    FindCriterion parsed;
    parsed.m_column = match.captured(1);
    if (parsed.m_column.startsWith(u'['))
        parsed.m_column = parsed.m_column.mid(1, parsed.m_column.size() - 2);
    parsed.m_number = match.captured(2).toDouble();
    return parsed;
}

bool FindCriterion::matches(const QVariant &value) const
{
    if (value.isNull())
        return false;
    bool isNumber = false;
    const double number = value.typeId() == QMetaType::QString
        ? value.toString().trimmed().toDouble(&isNumber)
        : value.toDouble(&isNumber);
    return isNumber && number == m_number;
}

} // namespace catalogue

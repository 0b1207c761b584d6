#include "tablelayout.h"

namespace mdbwrite {

TableLayout::TableLayout(std::vector<JetColumn> columns)
    : m_columns(std::move(columns))
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const JetType type = m_columns[i].type;
        m_variableIndex.push_back(m_variableCount);
        m_fixedOffset.push_back(isVariable(type) ? 0 : m_fixedAreaSize);
        if (isVariable(type))
            ++m_variableCount;
        m_fixedAreaSize = static_cast<uint16_t>(m_fixedAreaSize + fixedSize(type));
        if (isLongValue(type))
            m_longValueColumns.push_back(i);
    }
}

} // namespace mdbwrite

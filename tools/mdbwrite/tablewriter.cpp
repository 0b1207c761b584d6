#include "tablewriter.h"

#include <algorithm>

namespace mdbwrite {

TableWriter::TableWriter(PageFile &file, const TableLayout &layout, uint32_t definitionPage)
    : m_file(file)
    , m_layout(layout)
    , m_definitionPage(definitionPage)
    , m_encoder(layout)
{
    m_longValues.reserve(layout.longValueColumns().size());
    for (size_t i = 0; i < layout.longValueColumns().size(); ++i)
        m_longValues.emplace_back(file);
}

LongValueRef TableWriter::storeLongValue(size_t column, const std::vector<uint8_t> &bytes)
{
    const std::vector<size_t> &columns = m_layout.longValueColumns();
    const auto index = std::find(columns.begin(), columns.end(), column) - columns.begin();
    return m_longValues[static_cast<size_t>(index)].store(bytes);
}

void TableWriter::addRow(const std::vector<Cell> &cells)
{
    m_encoder.encode(cells, *this, m_row);
    if (!m_open || !m_open->fits(m_row.size())) {
        closePage();
        m_open = std::make_unique<DataPage>(m_file.allocate(), m_definitionPage);
        m_content.dataPages.push_back(m_open->number());
    }
    m_open->add(m_row.data(), m_row.size());
    ++m_content.rowCount;
}

void TableWriter::closePage()
{
    if (m_open)
        m_file.write(m_open->number(), m_open->bytes());
    m_open.reset();
}

TableContent TableWriter::finish()
{
    closePage();
    for (LongValueStore &store : m_longValues) {
        store.finish();
        m_content.longValuePages.push_back(store.pages());
    }
    return std::move(m_content);
}

} // namespace mdbwrite

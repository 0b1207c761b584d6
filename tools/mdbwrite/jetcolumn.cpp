#include "jetcolumn.h"

namespace mdbwrite {

uint16_t fixedSize(JetType type)
{
    switch (type) {
    case JetType::Byte:
        return 1;
    case JetType::Integer:
        return 2;
    case JetType::Long:
        return 4;
    case JetType::Currency:
    case JetType::Double:
    case JetType::DateTime:
        return 8;
    default:
        return 0;
    }
}

bool isVariable(JetType type)
{
    return type == JetType::Text || type == JetType::Memo || type == JetType::Binary
        || type == JetType::Ole;
}

bool isLongValue(JetType type)
{
    return type == JetType::Memo || type == JetType::Ole;
}

JetColumn JetColumn::user(std::string name, JetType type, uint16_t maxChars)
{
    JetColumn column;
    column.name = std::move(name);
    column.type = type;
    const bool text = type == JetType::Text || type == JetType::Memo;
    if (type == JetType::Text)
        column.length = static_cast<uint16_t>(2 * maxChars);
    else if (type == JetType::Boolean)
        column.length = 1;
    else
        column.length = fixedSize(type);
    column.flags = isVariable(type) ? 0x02 : 0x03;
    column.compressible = text;
    column.sortOrder = text;
    return column;
}

} // namespace mdbwrite

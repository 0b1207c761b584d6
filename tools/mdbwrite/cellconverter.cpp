#include "cellconverter.h"

#include "jetcurrency.h"
#include "jetdate.h"
#include "littleendian.h"
#include "textstorage.h"
#include "valueerror.h"

#include <cmath>
#include <string>
#include <string_view>

namespace mdbwrite {

namespace {

// Long values carry their stored length in 24 bits.
constexpr size_t MaxLongValueBytes = 0xFFFFFF;

std::string_view textOf(sqlite3_stmt *statement, int index)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, index));
    return {text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, index))};
}

[[noreturn]] void unsupported(int storage, const char *expected)
{
    const char *found = storage == SQLITE_BLOB ? "binary data"
        : storage == SQLITE_TEXT               ? "text"
                                               : "a number";
    throw ValueError(std::string(found) + " where " + expected + " was expected");
}

int64_t wholeNumber(sqlite3_stmt *statement, int index, int64_t minimum, int64_t maximum)
{
    const int storage = sqlite3_column_type(statement, index);
    int64_t value = 0;
    if (storage == SQLITE_INTEGER) {
        value = sqlite3_column_int64(statement, index);
    } else if (storage == SQLITE_FLOAT) {
        const double real = sqlite3_column_double(statement, index);
        if (real != std::trunc(real))
            throw ValueError(std::string(textOf(statement, index)) + " is not a whole number");
        if (real < static_cast<double>(minimum) || real > static_cast<double>(maximum))
            throw ValueError(std::string(textOf(statement, index)) + " is out of range ("
                             + std::to_string(minimum) + " to " + std::to_string(maximum) + ")");
        value = static_cast<int64_t>(real);
    } else {
        unsupported(storage, "a whole number");
    }
    if (value < minimum || value > maximum)
        throw ValueError(std::to_string(value) + " is out of range (" + std::to_string(minimum)
                         + " to " + std::to_string(maximum) + ")");
    return value;
}

void putFixed(Cell &cell, size_t size, uint64_t bits)
{
    cell.bytes.resize(size);
    for (size_t i = 0; i < size; ++i)
        cell.bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
}

void putDoubleCell(Cell &cell, double value)
{
    cell.bytes.resize(8);
    putDouble(cell.bytes.data(), value);
}

double number(sqlite3_stmt *statement, int index)
{
    const int storage = sqlite3_column_type(statement, index);
    if (storage != SQLITE_INTEGER && storage != SQLITE_FLOAT)
        unsupported(storage, "a number");
    const double value = sqlite3_column_double(statement, index);
    if (!std::isfinite(value))
        throw ValueError("the number is not finite");
    return value;
}

int64_t currency(sqlite3_stmt *statement, int index)
{
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
        return currencyFromInteger(sqlite3_column_int64(statement, index));
    case SQLITE_FLOAT:
        return currencyFromDouble(sqlite3_column_double(statement, index));
    case SQLITE_TEXT:
        return currencyFromDecimal(textOf(statement, index));
    default:
        unsupported(SQLITE_BLOB, "a currency amount");
    }
}

std::u16string text(sqlite3_stmt *statement, int index)
{
    const int storage = sqlite3_column_type(statement, index);
    if (storage == SQLITE_BLOB)
        unsupported(storage, "text");
    return storableText(textOf(statement, index));
}

} // namespace

void convertCell(sqlite3_stmt *statement, int index, const JetColumn &column, Cell &cell)
{
    cell.setNull();
    const int storage = sqlite3_column_type(statement, index);
    if (column.type == JetType::Boolean) {
        // The format has no null yes/no value: Null is stored as false.
        cell.present = storage != SQLITE_NULL && number(statement, index) != 0;
        return;
    }
    if (storage == SQLITE_NULL)
        return;

    cell.present = true;
    switch (column.type) {
    case JetType::Byte:
        putFixed(cell, 1, static_cast<uint64_t>(wholeNumber(statement, index, 0, 255)));
        break;
    case JetType::Integer:
        putFixed(cell, 2, static_cast<uint64_t>(wholeNumber(statement, index, INT16_MIN, INT16_MAX)));
        break;
    case JetType::Long:
        putFixed(cell, 4, static_cast<uint64_t>(wholeNumber(statement, index, INT32_MIN, INT32_MAX)));
        break;
    case JetType::Currency:
        putFixed(cell, 8, static_cast<uint64_t>(currency(statement, index)));
        break;
    case JetType::Double:
        putDoubleCell(cell, number(statement, index));
        break;
    case JetType::DateTime:
        if (storage != SQLITE_TEXT)
            unsupported(storage, "a date as text YYYY-MM-DD[ HH:MM[:SS]]");
        putDoubleCell(cell, jetDateFromText(textOf(statement, index)));
        break;
    case JetType::Text: {
        const std::u16string value = text(statement, index);
        const size_t maxChars = column.length / 2;
        if (value.size() > maxChars)
            throw ValueError("text of " + std::to_string(value.size())
                             + " characters is longer than the column's " + std::to_string(maxChars));
        appendStoredText(value, column.compressible, cell.bytes);
        break;
    }
    case JetType::Memo:
        appendStoredText(text(statement, index), column.compressible, cell.bytes);
        if (cell.bytes.size() > MaxLongValueBytes)
            throw ValueError("memo of " + std::to_string(cell.bytes.size())
                             + " stored bytes is longer than 16 MiB");
        break;
    default:
        throw ValueError("values of this column type cannot be written");
    }
}

} // namespace mdbwrite

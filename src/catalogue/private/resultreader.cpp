#include "catalogue/private/resultreader.h"

#include <limits>
#include <vector>

#include <QDateTime>
#include <QStringList>

#include "catalogue/private/sqliteerror.h"
#include "catalogue/recordset.h"

namespace catalogue {

namespace {

enum class ColumnKind { Plain, Boolean, Decimal, Date };

ColumnKind kindOf(sqlite3_stmt *statement, int column)
{
    const char *declared = sqlite3_column_decltype(statement, column);
    if (!declared)
        return ColumnKind::Plain; // an expression
    const QByteArray type = QByteArray(declared).toUpper();
    if (type == "BOOLEAN")
        return ColumnKind::Boolean;
    if (type == "DOUBLE" || type == "CURRENCY")
        return ColumnKind::Decimal;
    if (type == "DATETIME")
        return ColumnKind::Date;
    return ColumnKind::Plain;
}

QString textValue(sqlite3_stmt *statement, int column)
{
    const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(statement, column));
    return QString::fromUtf16(text, sqlite3_column_bytes16(statement, column) / 2);
}

// Dates are stored as "YYYY-MM-DD HH:MM:SS". Jet's dates carry no time zone,
// so they come back as UTC date-times: the wall-clock value exactly, with no
// daylight-saving shift and no time-zone look-up per value.
QVariant dateValue(sqlite3_stmt *statement, int column)
{
    const QString text = textValue(statement, column);
    if (text.size() != 19)
        return QVariant(text);
    const auto number = [&](int from, int length) { return QStringView(text).mid(from, length).toInt(); };
    return QVariant(QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                              QTime(number(11, 2), number(14, 2), number(17, 2)), Qt::UTC));
}

QVariant valueOf(sqlite3_stmt *statement, int column, ColumnKind kind)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER: {
        const qint64 value = sqlite3_column_int64(statement, column);
        if (kind == ColumnKind::Boolean)
            return QVariant(value != 0);
        if (kind == ColumnKind::Decimal)
            return QVariant(double(value));
        if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
            return QVariant(int(value));
        return QVariant(value);
    }
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_TEXT:
        if (kind == ColumnKind::Date)
            return dateValue(statement, column);
        return QVariant(textValue(statement, column));
    default: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(statement, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(statement, column)));
    }
    }
}

} // namespace

std::unique_ptr<Recordset> readRecordset(sqlite3_stmt *statement)
{
    const int columns = sqlite3_column_count(statement);
    QStringList names;
    std::vector<ColumnKind> kinds;
    for (int i = 0; i < columns; ++i) {
        names << QString::fromUtf16(static_cast<const char16_t *>(sqlite3_column_name16(statement, i)));
        kinds.push_back(kindOf(statement, i));
    }
    std::vector<QVariant> values;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i)
            values.push_back(valueOf(statement, i, kinds[size_t(i)]));
    }
    if (rc != SQLITE_DONE)
        throw statementError(sqlite3_db_handle(statement));
    return std::make_unique<Recordset>(names, std::move(values));
}

} // namespace catalogue

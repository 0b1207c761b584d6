#include "catalogue/private/resultreader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include <QDateTime>
#include <QStringList>

#include "catalogue/catalogueerror.h"
#include "catalogue/private/recordrows.h"
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

// Dates are stored as "YYYY-MM-DD HH:MM:SS". Jet's dates carry no time zone,
// so they come back as UTC date-times: the wall-clock value exactly, with no
// daylight-saving shift and no time-zone look-up per value.
QVariant dateValue(const QString &text)
{
    if (text.size() != 19)
        return QVariant(text);
    const auto number = [&](int from, int length) { return QStringView(text).mid(from, length).toInt(); };
    return QVariant(QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                              QTime(number(11, 2), number(14, 2), number(17, 2)), Qt::UTC));
}

// The rows of a statement as SQLite gives them: each value's type and its
// number, or its bytes (texts in UTF-8, as the database keeps them). A
// value becomes a QVariant only when it is read, by its column's declared
// type: BOOLEAN as bool, the numeric kinds of Jet as double, DATETIME as
// QDateTime, texts as QString. Values and bytes are kept in blocks that
// never move, so a large set is never copied while it grows.
class StatementRows : public RecordRows
{
public:
    StatementRows(PreparedStatement statement, std::vector<ColumnKind> kinds, PendingReads &pending)
        : m_statement(std::move(statement))
        , m_kinds(std::move(kinds))
        , m_pending(&pending)
    {
        pending.add(this);
    }

    ~StatementRows() override { stopReading(); }

    void readTo(qsizetype row) override
    {
        while (m_statement.get() && count() <= row) {
            const int rc = sqlite3_step(m_statement.get());
            if (rc == SQLITE_ROW) {
                append(m_statement.get());
                continue;
            }
            if (rc == SQLITE_DONE) {
                stopReading();
                return;
            }
            const CatalogueError failure = statementError(sqlite3_db_handle(m_statement.get()));
            stopReading();
            throw failure;
        }
    }

    void append(sqlite3_stmt *statement)
    {
        for (int column = 0; column < int(m_kinds.size()); ++column) {
            if (m_cellCount % CellsPerBlock == 0)
                m_cells.emplace_back(new Cell[CellsPerBlock]);
            Cell &cell = m_cells.back()[m_cellCount++ % CellsPerBlock];
            sqlite3_value *value = sqlite3_column_value(statement, column);
            cell.type = sqlite3_value_type(value);
            switch (cell.type) {
            case SQLITE_INTEGER:
                cell.integer = sqlite3_value_int64(value);
                break;
            case SQLITE_FLOAT:
                cell.real = sqlite3_value_double(value);
                break;
            case SQLITE_TEXT:
                keepBytes(cell, sqlite3_value_text(value), sqlite3_value_bytes(value));
                break;
            case SQLITE_BLOB:
                keepBytes(cell, sqlite3_value_blob(value), sqlite3_value_bytes(value));
                break;
            default:
                break;
            }
        }
    }

    qsizetype count() const override { return m_kinds.empty() ? 0 : qsizetype(m_cellCount / m_kinds.size()); }

    QVariant value(qsizetype row, int column) const override
    {
        const size_t index = size_t(row) * m_kinds.size() + size_t(column);
        const Cell &cell = m_cells[index / CellsPerBlock][index % CellsPerBlock];
        const ColumnKind kind = m_kinds[size_t(column)];
        switch (cell.type) {
        case SQLITE_INTEGER:
            if (kind == ColumnKind::Boolean)
                return QVariant(cell.integer != 0);
            if (kind == ColumnKind::Decimal)
                return QVariant(double(cell.integer));
            if (cell.integer >= std::numeric_limits<int>::min() && cell.integer <= std::numeric_limits<int>::max())
                return QVariant(int(cell.integer));
            return QVariant(cell.integer);
        case SQLITE_FLOAT:
            return QVariant(cell.real);
        case SQLITE_TEXT: {
            const QString text = QString::fromUtf8(cell.bytes, cell.size);
            return kind == ColumnKind::Date ? dateValue(text) : QVariant(text);
        }
        case SQLITE_BLOB:
            return QVariant(QByteArray(cell.bytes, cell.size));
        default:
            return QVariant();
        }
    }

private:
    void stopReading()
    {
        m_statement = PreparedStatement();
        if (m_pending)
            m_pending->remove(this);
        m_pending = nullptr;
    }

    static constexpr size_t CellsPerBlock = 4096;
    static constexpr size_t BytesPerBlock = 1 << 20;

    struct Cell
    {
        union {
            qint64 integer;
            double real;
            const char *bytes;
        };
        int size; // of the bytes
        int type;
    };

    void keepBytes(Cell &cell, const void *data, int size)
    {
        cell.size = size;
        cell.bytes = nullptr;
        if (size == 0)
            return;
        if (size_t(m_bytesEnd - m_bytesNext) < size_t(size)) {
            const size_t block = std::max(BytesPerBlock, size_t(size));
            m_bytes.emplace_back(new char[block]);
            m_bytesNext = m_bytes.back().get();
            m_bytesEnd = m_bytesNext + block;
        }
        std::memcpy(m_bytesNext, data, size_t(size));
        cell.bytes = m_bytesNext;
        m_bytesNext += size;
    }

    PreparedStatement m_statement; // none once every row is read
    std::vector<ColumnKind> m_kinds;
    PendingReads *m_pending;
    std::vector<std::unique_ptr<Cell[]>> m_cells;
    size_t m_cellCount = 0;
    std::vector<std::unique_ptr<char[]>> m_bytes;
    char *m_bytesNext = nullptr;
    char *m_bytesEnd = nullptr;
};

} // namespace

void PendingReads::remove(RecordRows *rows)
{
    m_rows.erase(std::remove(m_rows.begin(), m_rows.end(), rows), m_rows.end());
}

void PendingReads::readAll()
{
    // Each set leaves the list once read, also when it fails.
    while (!m_rows.empty())
        m_rows.back()->readTo(std::numeric_limits<qsizetype>::max() - 1);
}

std::unique_ptr<Recordset> readRecordset(PreparedStatement statement, PendingReads &pending)
{
    sqlite3_stmt *const raw = statement.get();
    const int columns = sqlite3_column_count(raw);
    QStringList names;
    std::vector<ColumnKind> kinds;
    for (int i = 0; i < columns; ++i) {
        names << QString::fromUtf16(static_cast<const char16_t *>(sqlite3_column_name16(raw, i)));
        kinds.push_back(kindOf(raw, i));
    }
    return std::make_unique<Recordset>(names,
                                       std::make_unique<StatementRows>(std::move(statement), std::move(kinds), pending));
}

} // namespace catalogue

#include "catalogue/private/jetcolumns.h"

#include <algorithm>
#include <vector>

#include "catalogue/private/jetfile.h"

namespace catalogue {

namespace {

bool isJetType(int columnType)
{
    switch (columnType) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_DATETIME:
    case MDB_BINARY:
    case MDB_TEXT:
    case MDB_OLE:
    case MDB_MEMO:
    case MDB_REPID:
    case MDB_NUMERIC:
    case MDB_COMPLEX:
        return true;
    default:
        return false;
    }
}

} // namespace

void checkColumns(const JetFile &file, const MdbTableDef &table, int columnLimit)
{
    const auto invalid = [&](const MdbColumn &column) {
        file.damaged(QStringLiteral("la columna %1 no es válida").arg(QString::fromUtf8(column.name)));
    };
    std::vector<bool> variableIndexTaken(table.num_var_cols, false);
    std::vector<const MdbColumn *> fixedValues;
    int previousNumber = -1;
    for (guint i = 0; i < table.columns->len; ++i) {
        const auto &column = *static_cast<const MdbColumn *>(g_ptr_array_index(table.columns, i));
        // The number is the column's bit in every row's null mask.
        if (column.col_num <= previousNumber || column.col_num >= columnLimit || !isJetType(column.col_type))
            invalid(column);
        previousNumber = column.col_num;
        if (!column.is_fixed) {
            // The index picks the column's entry in the row's variable offsets.
            if (column.var_col_num >= variableIndexTaken.size() || variableIndexTaken[column.var_col_num])
                invalid(column);
            variableIndexTaken[column.var_col_num] = true;
        } else if (column.col_type != MDB_BOOL) {
            const int size = fixedValueSize(column.col_type);
            if (size > 0 && column.col_size != size)
                invalid(column);
            fixedValues.push_back(&column);
        }
    }
    std::sort(fixedValues.begin(), fixedValues.end(),
              [](const MdbColumn *a, const MdbColumn *b) { return a->fixed_offset < b->fixed_offset; });
    for (size_t i = 1; i < fixedValues.size(); ++i) {
        if (fixedValues[i - 1]->fixed_offset + fixedValues[i - 1]->col_size > fixedValues[i]->fixed_offset)
            invalid(*fixedValues[i]);
    }
}

} // namespace catalogue

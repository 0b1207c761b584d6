#pragma once

// mdbtools.h includes glib inside its extern "C", which glib's C++
// headers refuse unless they were included before.
#include <type_traits>

#include <mdbtools.h>

#include "catalogue/private/engineonly.h"

namespace catalogue {

class JetFile;

// Bytes a value of a fixed-size type takes in a row; 0 for the types whose
// size the row gives (texts, memos, binary data) and for Booleans, which
// live in the null mask. Inline: every value read asks.
inline int fixedValueSize(int columnType)
{
    switch (columnType) {
    case MDB_BYTE: return 1;
    case MDB_INT: return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT: return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME: return 8;
    case MDB_REPID: return 16;
    case MDB_NUMERIC: return 17;
    default: return 0;
    }
}

// Throws the damaged-file error when the column descriptions that libmdb
// read (sorted by column number) cannot describe real rows: a column number
// outside the row's null mask or given twice, a type Jet does not have, a
// variable column whose index is not one of the table's own, or a
// fixed-size value whose bytes are not its own. Deleted columns leave gaps
// in numbers, indexes and offsets, and those stay allowed.
void checkColumns(const JetFile &file, const MdbTableDef &table, int columnLimit);

} // namespace catalogue

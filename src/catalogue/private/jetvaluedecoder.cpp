#include "catalogue/private/jetvaluedecoder.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QtEndian>
#include <mdbtools.h>

#include "catalogue/private/jetcolumns.h"
#include "catalogue/private/jetfile.h"
#include "catalogue/private/jettext.h"

namespace catalogue {

namespace {

// Whole days since 1970-01-01 to a civil date (proleptic Gregorian).
void civilFromDays(qint64 z, qint64 &year, int &month, int &day)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

// A Single as the decimal it was typed as, not its binary expansion.
double singleAsDecimal(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text - 1, value);
    *result.ptr = '\0';
    return std::strtod(text, nullptr);
}

void setGuid(const unsigned char *p, std::string &out)
{
    char text[40];
    std::snprintf(text, sizeof text,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  p[3], p[2], p[1], p[0], p[5], p[4], p[7], p[6],
                  p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15]);
    out.assign(text);
}

} // namespace

bool jetDateToIso(double days, std::string &out)
{
    constexpr double FirstDay = -657434;  // 0100-01-01
    constexpr double LastDay = 2958466;   // 10000-01-01
    if (!(days >= FirstDay && days < LastDay))
        return false;
    // The integer part counts days (also when negative); the fraction is the
    // time of that day, whatever the sign.
    qint64 wholeDays = qint64(std::trunc(days));
    qint64 seconds = std::llround(std::fabs(days - double(wholeDays)) * 86400.0);
    if (seconds >= 86400) {
        ++wholeDays;
        seconds -= 86400;
    }
    qint64 year = 0;
    int month = 0;
    int day = 0;
    civilFromDays(wholeDays - 25569, year, month, day);
    char text[96];
    std::snprintf(text, sizeof text, "%04lld-%02d-%02d %02d:%02d:%02d",
                  static_cast<long long>(year), month, day,
                  int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60));
    out.assign(text);
    return true;
}

JetValueDecoder::JetValueDecoder(const JetFile &file)
    : m_file(file)
    , m_longValues(file)
{
}

void JetValueDecoder::decode(const MdbColumn &column, const MdbField &field, int rowEnd, JetValue &out)
{
    const int columnType = column.col_type;
    if (columnType == MDB_BOOL) {
        // A Boolean has no bytes: its null-mask bit is its value.
        out.setInteger(field.is_null ? 0 : 1);
        return;
    }
    if (field.is_null) {
        out.setNull();
        return;
    }
    const int need = fixedValueSize(columnType);
    if (field.siz < need || field.start < 0 || field.start + field.siz > rowEnd) {
        m_file.damaged(QStringLiteral("el valor de la columna %1 no cabe en su fila")
                           .arg(QString::fromUtf8(column.name)));
    }
    MdbHandle *mdb = m_file.handle();
    const unsigned char *data = mdb->pg_buf + field.start;
    switch (columnType) {
    case MDB_BYTE:
        out.setInteger(data[0]);
        break;
    case MDB_INT:
        out.setInteger(qFromLittleEndian<qint16>(data));
        break;
    case MDB_LONGINT:
    case MDB_COMPLEX:
        out.setInteger(qFromLittleEndian<qint32>(data));
        break;
    case MDB_MONEY: {
        // Ten-thousandths in 64 bits: whole amounts stay exact integers.
        const qint64 raw = qFromLittleEndian<qint64>(data);
        if (raw % 10000 == 0)
            out.setInteger(raw / 10000);
        else
            out.setReal(double(raw) / 10000.0);
        break;
    }
    case MDB_FLOAT:
        out.setReal(singleAsDecimal(qFromLittleEndian<float>(data)));
        break;
    case MDB_DOUBLE:
        out.setReal(qFromLittleEndian<double>(data));
        break;
    case MDB_DATETIME:
        if (jetDateToIso(qFromLittleEndian<double>(data), out.bytes))
            out.kind = JetValue::Kind::Text8;
        else
            out.setNull();
        break;
    case MDB_REPID:
        setGuid(data, out.bytes);
        out.kind = JetValue::Kind::Text8;
        break;
    case MDB_NUMERIC: {
        // libmdb reads the 17 bytes at this offset of its page buffer.
        char *text = mdb_numeric_to_string(mdb, field.start, column.col_scale, column.col_prec);
        out.bytes.assign(text);
        g_free(text);
        out.kind = JetValue::Kind::Text8;
        break;
    }
    case MDB_TEXT:
        decodeText(data, field.siz, out);
        break;
    case MDB_MEMO:
        decodeMemo(data, field.siz, out);
        break;
    case MDB_BINARY:
        out.bytes.assign(reinterpret_cast<const char *>(data), size_t(field.siz));
        out.kind = JetValue::Kind::Blob;
        break;
    default:
        // OLE objects and unknown types are not read.
        out.setNull();
        break;
    }
}

void JetValueDecoder::decodeText(const unsigned char *data, int size, JetValue &out)
{
    if (m_file.header().isJet3()) {
        decodeJet3Text(m_file.handle(), data, size, out.bytes);
        out.kind = JetValue::Kind::Text8;
    } else {
        decodeJet4Text(data, size, out.text16);
        out.kind = JetValue::Kind::Text16;
    }
}

void JetValueDecoder::decodeMemo(const unsigned char *data, int size, JetValue &out)
{
    m_longValues.read(data, size, m_memoBytes);
    decodeText(reinterpret_cast<const unsigned char *>(m_memoBytes.data()), int(m_memoBytes.size()), out);
}

} // namespace catalogue

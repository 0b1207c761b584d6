#include "catalogue/private/sqlextensions.h"

#include <algorithm>

#include <QString>

#include "catalogue/private/numberpattern.h"
#include "catalogue/private/spanishcollation.h"

namespace catalogue {

namespace {

// The collation runs for every comparison of a sort or an index, so
// short ASCII texts, most of a catalogue's, are widened on the stack.
class Utf16Text
{
public:
    Utf16Text(const void *text, int size)
    {
        const auto *bytes = static_cast<const unsigned char *>(text);
        if (size <= int(sizeof m_ascii / sizeof *m_ascii)
            && std::all_of(bytes, bytes + size, [](unsigned char byte) { return byte < 0x80; })) {
            std::copy(bytes, bytes + size, m_ascii);
            m_view = QStringView(m_ascii, size);
        } else {
            m_other = QString::fromUtf8(static_cast<const char *>(text), size);
            m_view = m_other;
        }
    }

    QStringView view() const { return m_view; }

private:
    char16_t m_ascii[128];
    QString m_other;
    QStringView m_view;
};

int compareCollated(void *, int sizeA, const void *a, int sizeB, const void *b)
{
    return compareSpanish(Utf16Text(a, sizeA).view(), Utf16Text(b, sizeB).view());
}

QString textArgument(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void setTextResult(sqlite3_context *context, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// Format(value, pattern): numbers through the pattern; texts that read as
// numbers too, other texts unchanged; Null stays Null.
void formatFunction(sqlite3_context *context, int, sqlite3_value **arguments)
{
    sqlite3_value *value = arguments[0];
    double number = 0;
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        number = sqlite3_value_double(value);
        break;
    default: {
        const QString text = textArgument(value);
        bool isNumber = false;
        number = text.trimmed().toDouble(&isNumber);
        if (!isNumber) {
            setTextResult(context, text);
            return;
        }
    }
    }
    if (sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        setTextResult(context, textArgument(value));
        return;
    }
    setTextResult(context, NumberPattern::parse(textArgument(arguments[1])).format(number));
}

} // namespace

void registerCatalogueExtensions(sqlite3 *db)
{
    sqlite3_create_collation_v2(db, SpanishCollationName, SQLITE_UTF8, nullptr, compareCollated, nullptr);
    sqlite3_create_function_v2(db, "Format", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               formatFunction, nullptr, nullptr, nullptr);
}

} // namespace catalogue

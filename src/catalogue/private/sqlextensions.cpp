#include "catalogue/private/sqlextensions.h"

#include <QString>

#include "catalogue/private/numberpattern.h"
#include "catalogue/private/spanishcollation.h"

namespace catalogue {

namespace {

int compareCollated(void *, int sizeA, const void *a, int sizeB, const void *b)
{
    return compareSpanish(QStringView(static_cast<const char16_t *>(a), sizeA / 2),
                          QStringView(static_cast<const char16_t *>(b), sizeB / 2));
}

QString textArgument(sqlite3_value *value)
{
    const auto *text = static_cast<const char16_t *>(sqlite3_value_text16(value));
    return QString::fromUtf16(text, sqlite3_value_bytes16(value) / 2);
}

void setTextResult(sqlite3_context *context, const QString &text)
{
    sqlite3_result_text16(context, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
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
    sqlite3_create_collation_v2(db, SpanishCollationName, SQLITE_UTF16_ALIGNED, nullptr,
                                compareCollated, nullptr);
    sqlite3_create_function_v2(db, "Format", 2, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                               formatFunction, nullptr, nullptr, nullptr);
}

} // namespace catalogue

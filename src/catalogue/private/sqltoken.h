#pragma once

#include <vector>

#include <QString>
#include <QStringView>

#include "catalogue/private/engineonly.h"

namespace catalogue {

// One lexical piece of a statement in the engine's dialect.
struct SqlToken
{
    enum class Kind {
        Space,
        String,            // '...' or "..." literal; `text` keeps its quotes
        Identifier,        // plain name: letters, digits, '_'
        QuotedIdentifier,  // [name] or `name`; `text` keeps the brackets
        Number,
        Punctuation,       // any other single character
    };

    Kind kind = Kind::Punctuation;
    QString text;
    bool closed = true; // false for a literal or bracketed name that runs to the end

    // The name of an identifier without brackets; the value of a string literal.
    QString name() const;
    bool isWord(QLatin1String word) const
    {
        return kind == Kind::Identifier && text.compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isName() const { return kind == Kind::Identifier || kind == Kind::QuotedIdentifier; }
    bool isPunctuation(char16_t c) const { return kind == Kind::Punctuation && text.size() == 1 && text.at(0) == c; }
};

// Splits a statement into tokens; concatenating their texts gives it back.
std::vector<SqlToken> tokenizeSql(QStringView statement);

} // namespace catalogue

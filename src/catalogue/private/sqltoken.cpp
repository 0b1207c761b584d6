#include "catalogue/private/sqltoken.h"

namespace catalogue {

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c.category() == QChar::Mark_NonSpacing;
}

// End of a quoted piece that starts at `start` and ends with `close`; a
// doubled closing character stands for itself when `doubling`. -1 when the
// piece is not closed.
qsizetype quotedEnd(QStringView s, qsizetype start, QChar close, bool doubling)
{
    qsizetype i = start + 1;
    while (i < s.size()) {
        if (s.at(i) == close) {
            if (doubling && i + 1 < s.size() && s.at(i + 1) == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return -1;
}

qsizetype numberEnd(QStringView s, qsizetype i)
{
    while (i < s.size() && s.at(i).isDigit())
        ++i;
    if (i < s.size() && s.at(i) == u'.') {
        ++i;
        while (i < s.size() && s.at(i).isDigit())
            ++i;
    }
    if (i < s.size() && (s.at(i) == u'e' || s.at(i) == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s.at(j) == u'+' || s.at(j) == u'-'))
            ++j;
        if (j < s.size() && s.at(j).isDigit()) {
            while (j < s.size() && s.at(j).isDigit())
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

QString SqlToken::name() const
{
    switch (kind) {
    case Kind::QuotedIdentifier:
        return text.mid(1, text.size() - (closed ? 2 : 1));
    case Kind::String: {
        const QChar quote = text.at(0);
        QString value = text.mid(1, text.size() - (closed ? 2 : 1));
        value.replace(QString(2, quote), QString(quote));
        return value;
    }
    default:
        return text;
    }
}

std::vector<SqlToken> tokenizeSql(QStringView s)
{
    std::vector<SqlToken> tokens;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        SqlToken::Kind kind = SqlToken::Kind::Punctuation;
        qsizetype end = i + 1;
        bool closed = true;
        if (c.isSpace()) {
            kind = SqlToken::Kind::Space;
            while (end < s.size() && s.at(end).isSpace())
                ++end;
        } else if (c == u'\'' || c == u'"') {
            kind = SqlToken::Kind::String;
            end = quotedEnd(s, i, c, true);
            closed = end >= 0;
        } else if (c == u'[' || c == u'`') {
            kind = SqlToken::Kind::QuotedIdentifier;
            end = quotedEnd(s, i, c == u'[' ? QChar(u']') : c, false);
            closed = end >= 0;
        } else if (c.isDigit() || (c == u'.' && i + 1 < s.size() && s.at(i + 1).isDigit())) {
            kind = SqlToken::Kind::Number;
            end = numberEnd(s, i);
        } else if (isNameStart(c)) {
            kind = SqlToken::Kind::Identifier;
            while (end < s.size() && isNamePart(s.at(end)))
                ++end;
        }
        if (!closed)
            end = s.size(); // the rest of the statement
        tokens.push_back(SqlToken{kind, s.mid(i, end - i).toString(), closed});
        i = end;
    }
    return tokens;
}

} // namespace catalogue

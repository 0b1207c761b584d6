#include "catalogue/private/statementtranslator.h"

#include <vector>

#include "catalogue/private/ordertiebreaker.h"
#include "catalogue/private/sqlnames.h"
#include "catalogue/private/sqltoken.h"
#include "catalogue/private/storednames.h"
#include "catalogue/sqltext.h"

namespace catalogue {

namespace {

class Translator
{
public:
    Translator(const QString &statement, const StoredNames &names)
        : m_names(names)
        , m_tokens(tokenizeSql(statement))
    {
        for (size_t i = 0; i < m_tokens.size(); ++i) {
            if (m_tokens[i].kind != SqlToken::Kind::Space)
                m_significant.push_back(i);
        }
        for (const SqlToken &token : m_tokens) {
            const QString table = token.isName() ? m_names.table(token.name()) : QString();
            if (!table.isEmpty() && !m_tables.contains(table))
                m_tables << table;
        }
    }

    TranslatedStatement translate() const
    {
        TranslatedStatement result;
        for (size_t s = 0, t = 0; t < m_tokens.size(); ++t) {
            const bool significant = s < m_significant.size() && m_significant[s] == t;
            result.sql += significant ? translated(s) : m_tokens[t].text;
            if (significant)
                ++s;
        }
        result.tables = m_tables;
        result.tieBreaker = orderTieBreaker(m_tokens, m_names, m_tables);
        return result;
    }

private:
    const SqlToken *significant(qsizetype s) const
    {
        return s >= 0 && size_t(s) < m_significant.size() ? &m_tokens[m_significant[size_t(s)]] : nullptr;
    }

    QString translated(size_t s) const
    {
        const SqlToken &token = *significant(qsizetype(s));
        if (!token.closed)
            return token.text; // unterminated: left for SQLite to refuse
        if (token.kind == SqlToken::Kind::String)
            return token.text.startsWith(u'"') ? textLiteral(token.name()) : token.text;
        if (!token.isName())
            return token.text;
        const QString stored = storedName(qsizetype(s));
        if (token.kind == SqlToken::Kind::QuotedIdentifier)
            return quotedName(stored.isEmpty() ? token.name() : stored);
        return stored.isEmpty() || stored == token.text ? token.text : quotedName(stored);
    }

    // The stored spelling of the name at significant position s, judged by
    // its neighbours; empty when it names nothing of the catalogue.
    QString storedName(qsizetype s) const
    {
        const SqlToken &token = *significant(s);
        if (token.kind == SqlToken::Kind::Identifier && isSqlKeyword(token.text))
            return QString(); // SQLite matches keywords, all ASCII, by itself
        const SqlToken *previous = significant(s - 1);
        const SqlToken *next = significant(s + 1);
        if (previous && previous->isWord(QLatin1String("as")))
            return QString(); // an alias is the caller's name for a result
        if (next && next->isPunctuation(u'('))
            return QString(); // a function
        if (next && next->isPunctuation(u'.'))
            return m_names.table(token.name());
        const SqlToken *qualifier = previous && previous->isPunctuation(u'.') ? significant(s - 2) : nullptr;
        if (qualifier && qualifier->isName()) {
            const QString column = m_names.column(qualifier->name(), token.name());
            if (!column.isEmpty())
                return column;
        }
        for (const QString &table : m_tables) {
            const QString column = m_names.column(table, token.name());
            if (!column.isEmpty())
                return column;
        }
        return m_names.table(token.name());
    }

    const StoredNames &m_names;
    std::vector<SqlToken> m_tokens;
    std::vector<size_t> m_significant;
    QStringList m_tables;
};

} // namespace

TranslatedStatement translateStatement(const QString &statement, const StoredNames &names)
{
    return Translator(statement, names).translate();
}

} // namespace catalogue

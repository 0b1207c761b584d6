#include "catalogue/private/ordertiebreaker.h"

#include "catalogue/private/sqlnames.h"
#include "catalogue/private/sqltoken.h"
#include "catalogue/private/storednames.h"

namespace catalogue {

namespace {

// The tokens outside parentheses, spaces left out.
std::vector<const SqlToken *> topLevel(const std::vector<SqlToken> &tokens)
{
    std::vector<const SqlToken *> level;
    int depth = 0;
    for (const SqlToken &token : tokens) {
        if (token.isPunctuation(u'('))
            ++depth;
        else if (token.isPunctuation(u')'))
            --depth;
        else if (depth == 0 && token.kind != SqlToken::Kind::Space)
            level.push_back(&token);
    }
    return level;
}

// The table an ORDER BY term refers to; empty when unclear.
QString tableOf(const SqlToken *qualifier, const SqlToken &column, const StoredNames &names,
                const QStringList &tables)
{
    if (qualifier) {
        const QString table = names.table(qualifier->name());
        return tables.contains(table) && !names.column(table, column.name()).isEmpty() ? table : QString();
    }
    QString owner;
    for (const QString &table : tables) {
        if (names.column(table, column.name()).isEmpty())
            continue;
        if (!owner.isEmpty())
            return QString(); // ambiguous
        owner = table;
    }
    return owner;
}

} // namespace

QString orderTieBreaker(const std::vector<SqlToken> &tokens, const StoredNames &names,
                        const QStringList &tables)
{
    const std::vector<const SqlToken *> level = topLevel(tokens);
    size_t order = level.size();
    for (size_t i = 0; i < level.size(); ++i) {
        for (const char *word : {"distinct", "group", "union", "intersect", "except", "limit", "having"}) {
            if (level[i]->isWord(QLatin1String(word)))
                return QString();
        }
        if (i + 1 < level.size() && level[i]->isWord(QLatin1String("order")) && level[i + 1]->isWord(QLatin1String("by")))
            order = i + 2;
    }
    if (order >= level.size())
        return QString();

    QString sortedTable;
    for (size_t i = order; i < level.size();) {
        const SqlToken *qualifier = nullptr;
        if (i + 2 < level.size() && level[i]->isName() && level[i + 1]->isPunctuation(u'.')) {
            qualifier = level[i];
            i += 2;
        }
        if (!level[i]->isName())
            return QString();
        const QString table = tableOf(qualifier, *level[i], names, tables);
        if (table.isEmpty() || (!sortedTable.isEmpty() && table != sortedTable))
            return QString();
        sortedTable = table;
        ++i;
        if (i < level.size() && (level[i]->isWord(QLatin1String("asc")) || level[i]->isWord(QLatin1String("desc"))))
            ++i;
        if (i < level.size() && !level[i]->isPunctuation(u','))
            return QString();
        if (i < level.size())
            ++i;
        if (i == level.size() && level.back()->isPunctuation(u','))
            return QString();
    }
    return u',' + quotedName(sortedTable) + QStringLiteral(".rowid");
}

} // namespace catalogue

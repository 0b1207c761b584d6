#include "catalogue/private/spanishcollation.h"

#include <vector>

#include <QChar>
#include <QString>

namespace catalogue {

namespace {

// Per UTF-16 code unit: its case-folded form, and its weight at the first
// level (the folded letter stripped of accents; 0 for combining marks, which
// that level skips). Built once; a lookup per character keeps sorting fast.
struct CollationTables
{
    std::vector<char16_t> folded;
    std::vector<quint32> primary;

    CollationTables()
        : folded(0x10000)
        , primary(0x10000)
    {
        for (char32_t unit = 0; unit < 0x10000; ++unit) {
            const char32_t fold = QChar::toCaseFolded(unit);
            folded[unit] = fold < 0x10000 ? char16_t(fold) : char16_t(unit);
            primary[unit] = primaryWeight(folded[unit]);
        }
    }

    static quint32 primaryWeight(char32_t folded)
    {
        if (folded == U'ñ')
            return U'n' * 2 + 1;
        if (QChar::category(folded) == QChar::Mark_NonSpacing)
            return 0;
        char32_t base = folded;
        while (QChar::decompositionTag(base) == QChar::Canonical) {
            const QString parts = QChar::decomposition(base);
            const char32_t first = parts.at(0).unicode();
            if (first == base)
                break;
            base = first;
        }
        return base * 2;
    }
};

const CollationTables &tables()
{
    static const CollationTables instance;
    return instance;
}

} // namespace

int compareSpanish(QStringView a, QStringView b)
{
    const CollationTables &t = tables();
    const char16_t *pa = a.utf16();
    const char16_t *pb = b.utf16();
    const qsizetype na = a.size();
    const qsizetype nb = b.size();

    qsizetype i = 0;
    qsizetype j = 0;
    for (;;) {
        while (i < na && t.primary[pa[i]] == 0)
            ++i;
        while (j < nb && t.primary[pb[j]] == 0)
            ++j;
        if (i == na || j == nb)
            break;
        const quint32 wa = t.primary[pa[i]];
        const quint32 wb = t.primary[pb[j]];
        if (wa != wb)
            return wa < wb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < na)
        return 1;
    if (j < nb)
        return -1;

    // Same letters: accents decide, character by character.
    const qsizetype common = qMin(na, nb);
    for (qsizetype k = 0; k < common; ++k) {
        const char16_t fa = t.folded[pa[k]];
        const char16_t fb = t.folded[pb[k]];
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

} // namespace catalogue

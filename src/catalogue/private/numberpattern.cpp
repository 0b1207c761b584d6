#include "catalogue/private/numberpattern.h"

#include <cmath>
#include <cstdio>

#include <QLocale>


namespace catalogue {

namespace {

// Digits with the regional group separator after every third one from the
// right: "1234567" -> "1.234.567" under Spanish settings. Written by hand
// because Qt's own grouping leaves four-digit numbers bare.
QString insertGroupSeparators(const QString &digits)
{
    const QString separator = QLocale().groupSeparator();
    QString grouped = digits;
    for (qsizetype pos = grouped.size() - 3; pos > 0; pos -= 3)
        grouped.insert(pos, separator);
    return grouped;
}

} // namespace

NumberPattern NumberPattern::parse(const QString &pattern)
{
    NumberPattern parsed;
    bool inNumber = false;
    bool afterNumber = false;
    bool inDecimals = false;
    const auto literal = [&](QChar c) {
        (inNumber || afterNumber ? parsed.m_suffix : parsed.m_prefix).append(c);
        if (inNumber) {
            inNumber = false;
            afterNumber = true;
        }
    };
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u';')
            break; // only the first section (positive values) is used for every value
        if (c == u'"') {
            const qsizetype end = pattern.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            for (qsizetype k = i + 1; k < stop; ++k)
                literal(pattern.at(k));
            i = stop;
        } else if (c == u'\\' && i + 1 < pattern.size()) {
            literal(pattern.at(++i));
        } else if ((c == u'#' || c == u'0') && !afterNumber) {
            inNumber = true;
            if (inDecimals) {
                ++parsed.m_maxDecimals;
                if (c == u'0')
                    parsed.m_minDecimals = parsed.m_maxDecimals;
            } else if (c == u'0') {
                ++parsed.m_minIntegerDigits;
            }
        } else if (c == u',' && inNumber && !inDecimals) {
            parsed.m_grouping = true;
        } else if (c == u'.' && !afterNumber && !inDecimals) {
            inNumber = true;
            inDecimals = true;
        } else {
            if (c == u'%')
                parsed.m_percent = true;
            literal(c);
        }
    }
    return parsed;
}

QString NumberPattern::format(double value) const
{
    const QLocale locale;
    if (m_percent)
        value *= 100;
    // printf rounds the exact binary value in the default rounding mode, so
    // exact halves go to the even neighbour (QString::number rounds them up).
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.*f", m_maxDecimals, std::fabs(value));
    const QString fixed = QString::fromLatin1(digits);
    const qsizetype point = fixed.indexOf(u'.');
    QString whole = point < 0 ? fixed : fixed.left(point);
    QString decimals = point < 0 ? QString() : fixed.mid(point + 1);
    while (decimals.size() > m_minDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);

    const bool isZero = whole.count(u'0') == whole.size() && decimals.count(u'0') == decimals.size();
    if (whole == QLatin1String("0"))
        whole.clear();
    if (whole.size() < m_minIntegerDigits)
        whole.prepend(QString(m_minIntegerDigits - whole.size(), u'0'));
    if (m_grouping)
        whole = insertGroupSeparators(whole);

    QString text = m_prefix;
    if (value < 0 && !isZero)
        text += locale.negativeSign();
    text += whole;
    if (!decimals.isEmpty())
        text += locale.decimalPoint() + decimals;
    return text + m_suffix;
}

} // namespace catalogue

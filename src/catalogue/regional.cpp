#include "catalogue/regional.h"

#include <cmath>

#include <QDateTime>
#include <QLocale>

namespace catalogue {

void useSystemRegionalSettings()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

double nearestEven(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; nobody in this program does.
    return std::nearbyint(value);
}

QString insertGroupSeparators(const QString &digits)
{
    const QString separator = QLocale().groupSeparator();
    QString grouped = digits;
    for (qsizetype pos = grouped.size() - 3; pos > 0; pos -= 3)
        grouped.insert(pos, separator);
    return grouped;
}

QString groupedWhole(double value)
{
    const QLocale locale;
    const double rounded = nearestEven(value);
    QString digits = insertGroupSeparators(QString::number(std::fabs(rounded), 'f', 0));
    if (rounded < 0)
        digits.prepend(locale.negativeSign());
    return digits;
}

QString formatEuros(double value)
{
    return groupedWhole(value) + QStringLiteral(" €");
}

QString numberAsText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDateTime: {
        // The regional short date with the whole year, and the time unless
        // it is midnight, as dates are written out by the system.
        const QLocale locale;
        QString format = locale.dateFormat(QLocale::ShortFormat);
        if (!format.contains(QLatin1String("yyyy")))
            format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        const QDateTime moment = value.toDateTime();
        QString text = locale.toString(moment.date(), format);
        if (moment.time() != QTime(0, 0))
            text += u' ' + locale.toString(moment.time(), QStringLiteral("HH:mm:ss"));
        return text;
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value.toDouble(), 'g', 15);
    }
    default:
        return value.toString();
    }
}

} // namespace catalogue

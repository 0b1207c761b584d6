#include "catalogue/regional.h"

#include <QDateTime>
#include <QLocale>

#include "catalogue/private/numberpattern.h"

namespace catalogue {

void useSystemRegionalSettings()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
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

QString Format(double value, const QString &pattern)
{
    return NumberPattern::parse(pattern).format(value);
}

} // namespace catalogue

#include "sourcereport.h"

#include <QDir>

namespace partnercheck {
namespace {

// "3 fotos de 240 ..." followed by the first few, one a line.
QString tallyText(const Tally &tally, const QString &what, qint64 total)
{
    QString text = QStringLiteral("  %1 de %2 %3").arg(tally.count).arg(total).arg(what);
    for (const QString &sample : tally.samples)
        text += QStringLiteral("\n      ") + sample;
    if (tally.count > tally.samples.size())
        text += QStringLiteral("\n      ...");
    return text + QLatin1Char('\n');
}

} // namespace

void Tally::add(const QString &sample)
{
    ++count;
    if (samples.size() < SampleCount)
        samples.append(sample);
}

qint64 SourceReport::warningCount() const
{
    return missingPhotos.count + unreadablePhotos.count + overBudgetPhotos.count + offersWithoutThumbnail.count
        + otherWarnings.size();
}

QString reportText(const QString &folder, const SourceReport &report)
{
    QString text = QStringLiteral("Comprobación de la carpeta «%1»\n").arg(QDir::toNativeSeparators(folder));
    if (!report.refusal.isEmpty())
        return text + QStringLiteral("RECHAZADA: ") + report.refusal + QLatin1Char('\n');

    text += QStringLiteral("Catálogo: %1 ofertas en las búsquedas, %2 fotos; todas las consultas del programa "
                           "responden.\n")
                .arg(report.offers)
                .arg(report.photos);
    if (report.missingPhotos.count > 0)
        text += tallyText(report.missingPhotos, QStringLiteral("fotos no están en la carpeta:"), report.photos);
    if (report.unreadablePhotos.count > 0)
        text += tallyText(report.unreadablePhotos,
                          QStringLiteral("fotos no se pueden leer (dañadas o no son imágenes):"), report.photos);
    if (report.overBudgetPhotos.count > 0)
        text += tallyText(report.overBudgetPhotos,
                          QStringLiteral("fotos son demasiado grandes: el programa no las mostrará:"), report.photos);
    if (report.offersWithoutThumbnail.count > 0)
        text += tallyText(report.offersWithoutThumbnail,
                          QStringLiteral("ofertas no tendrán imagen en los resultados:"), report.offers);
    for (const QString &warning : report.otherWarnings)
        text += QStringLiteral("  ") + warning + QLatin1Char('\n');

    const qint64 warnings = report.warningCount();
    if (warnings == 0)
        return text + QStringLiteral("Correcta: la carpeta se puede entregar.\n");
    return text + QStringLiteral("Se puede entregar, con %1 %2.\n")
                      .arg(warnings)
                      .arg(warnings == 1 ? QStringLiteral("aviso") : QStringLiteral("avisos"));
}

} // namespace partnercheck

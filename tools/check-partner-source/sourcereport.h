#pragma once

#include <QString>
#include <QStringList>

namespace partnercheck {

// How many of one kind of finding there are, and the first few of them, in
// the catalogue's order.
struct Tally
{
    static constexpr int SampleCount = 5;

    qint64 count = 0;
    QStringList samples;

    void add(const QString &sample);
};

// What the check of an agency's folder found.
struct SourceReport
{
    QString refusal; // why the folder cannot be handed out; empty when it can

    qint64 offers = 0; // the offers the searches reach
    qint64 photos = 0; // their photo rows

    Tally missingPhotos;         // rows whose file the program will not find
    Tally unreadablePhotos;      // files it cannot decode
    Tally overBudgetPhotos;      // files it refuses before decoding
    Tally offersWithoutThumbnail; // result cells that will show no picture
    QStringList otherWarnings;   // one line each: no offers, the logo, the agency's name, the help document

    qint64 warningCount() const;
};

// The report in Spanish, as the agency reads it.
QString reportText(const QString &folder, const SourceReport &report);

} // namespace partnercheck

#pragma once

#include "demofolder/catalogueplan.h"

#include <QString>

namespace demofolder {

// Writes the photo files and thumbnails of a plan below the output folder:
// pictures of their own are drawn in parallel and written in plan order;
// pooled pictures are written once and linked for every further row.
class PhotoFileWriter
{
public:
    PhotoFileWriter(const CataloguePlan &plan, const QString &outDir);

    void write();

private:
    QString localPath(const QString &ruta) const;
    void writeOwnPictures(const std::vector<int> &thumbnailOf);
    void writePooledPictures(const std::vector<int> &thumbnailOf);

    const CataloguePlan &m_plan;
    QString m_outDir;
};

} // namespace demofolder

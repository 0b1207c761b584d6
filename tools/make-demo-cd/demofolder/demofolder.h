#pragma once

#include "demofolder/catalogueplan.h"

#include <QString>

#include <cstdint>

namespace demofolder {

struct DemoOptions
{
    int offers = 60;
    int photosPerOffer = 4;
    std::uint32_t seed = 1;
};

// Everything the folder will hold, decided from the options alone: the same
// options give the same plan.
CataloguePlan planCatalogue(const DemoOptions &options);

// Makes a complete partner folder in `outDir` (created when missing):
// brezomar.mdb, fotos/, nombreinmobiliaria.txt, logocolaborador.jpg and
// funcionesbrezomar.pdf. What an earlier run left under those names is
// replaced, so the same options give the same folder, byte for byte; other
// files in `outDir` are left alone. Needs a QGuiApplication (it draws text).
// Throws DemoError.
void makeDemoFolder(const QString &outDir, const DemoOptions &options);

} // namespace demofolder

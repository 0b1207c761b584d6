// make-demo-cd OUTDIR [--offers N] [--photos-per-offer M] [--seed S]
// Makes a complete partner folder: catalogue, photos and agency files.

#include "demofolder/demofolder.h"
#include "demofolder/outputfiles.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <limits>
#include <optional>

namespace {

std::optional<qint64> wholeOption(const QCommandLineParser &parser, const QString &name, qint64 maximum)
{
    bool ok = false;
    const qint64 value = parser.value(name).toLongLong(&ok);
    if (!ok || value < 0 || value > maximum)
        return std::nullopt;
    return value;
}

int usageError(const QString &message)
{
    std::fprintf(stderr, "make-demo-cd: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // The pictures and the help document need fonts but never a screen; the
    // same platform everywhere also keeps the drawing identical.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a complete partner folder in OUTDIR: brezomar.mdb, fotos/, nombreinmobiliaria.txt,\n"
        "logocolaborador.jpg and funcionesbrezomar.pdf. The same options make the same folder.\n"
        "The first 100 offers get photos of their own; further offers share a few pictures\n"
        "through hard links."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Folder to fill (created if missing)."));
    parser.addOption({QStringLiteral("offers"), QStringLiteral("Number of offers (default 60)."),
                      QStringLiteral("N"), QStringLiteral("60")});
    parser.addOption({QStringLiteral("photos-per-offer"), QStringLiteral("Photos of each offer (default 4)."),
                      QStringLiteral("M"), QStringLiteral("4")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the random choices (default 1)."),
                      QStringLiteral("S"), QStringLiteral("1")});
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(QStringLiteral("expected one OUTDIR (see --help)"));
    // Keys and CodFoto are 32-bit; these bounds keep every row within them.
    const auto offers = wholeOption(parser, QStringLiteral("offers"), 1000000);
    const auto photos = wholeOption(parser, QStringLiteral("photos-per-offer"), 999);
    const auto seed = wholeOption(parser, QStringLiteral("seed"), std::numeric_limits<std::uint32_t>::max());
    if (!offers)
        return usageError(QStringLiteral("--offers takes a whole number from 0 to 1000000"));
    if (!photos)
        return usageError(QStringLiteral("--photos-per-offer takes a whole number from 0 to 999"));
    if (!seed)
        return usageError(QStringLiteral("--seed takes a whole number from 0 to 4294967295"));

    demofolder::DemoOptions options;
    options.offers = static_cast<int>(*offers);
    options.photosPerOffer = static_cast<int>(*photos);
    options.seed = static_cast<std::uint32_t>(*seed);
    try {
        demofolder::makeDemoFolder(positional.front(), options);
    } catch (const demofolder::DemoError &error) {
        std::fprintf(stderr, "make-demo-cd: %s\n", error.what());
        return 1;
    }
    return 0;
}

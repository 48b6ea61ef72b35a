// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// PNG encoder settings for the renderer's pictures, side by side: every row
// filter (none, sub, up, paeth) at zlib levels 1..6, with the default and the
// run-length-only strategy, as RGB and (at level 1) as a palette where the
// picture has at most 256 colours, against the toolkit's own PNG writer. Prints the
// CPU time per encode (median, min-max over interleaved repetitions) and the
// file size at 36, 121, 1296 and 10000 entries, and checks that every
// candidate decodes to the same pixels.
//   cellaro_png_candidates [REPETITIONS]

#include "generated_lists.h"
#include "libpng_encoder.h"
#include "render/png_writer.h"
#include "render/rendered_output.h"
#include "window/pixel_image.h"

#include <QBuffer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace cellaro;

namespace {

constexpr int kSizes[] = { 36, 121, 1296, 10000 };

struct Candidate {
    QString name;
    std::function<QByteArray(const PixelBuffer&)> encode;
};

QByteArray ToolkitPng(const PixelBuffer& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ImageOf(image).save(&buffer, "PNG");
    return bytes;
}

std::vector<Candidate> Candidates()
{
    using bench::LibpngSettings;
    using bench::PngFilter;
    std::vector<Candidate> candidates { { QStringLiteral("toolkit writer"), ToolkitPng } };
    const char* filterNames[] = { "none", "sub", "up", "paeth" };
    for (bool rle : { false, true })
        for (PngFilter filter : { PngFilter::None, PngFilter::Sub, PngFilter::Up, PngFilter::Paeth })
            for (int level = 1; level <= 6; ++level) {
                const LibpngSettings settings { filter, level, rle };
                candidates.push_back({ QStringLiteral("libpng, %1, level %2%3")
                                           .arg(filterNames[int(filter)])
                                           .arg(level)
                                           .arg(rle ? QStringLiteral(", rle") : QString()),
                                       [settings](const PixelBuffer& image) {
                                           return bench::EncodePngWithLibpng(ImageOf(image), settings);
                                       } });
            }
    // The renderer's own writer: matches to the pixel on the left and the
    // one above, fixed codes; up to 256 colours as a palette (the flat
    // pictures at 1296 and 10000 entries).
    candidates.push_back({ QStringLiteral("own writer, RGB"),
                           [](const PixelBuffer& image) { return EncodePng(image, PaletteUse::Never); } });
    candidates.push_back({ QStringLiteral("own writer, palette when few colours"),
                           [](const PixelBuffer& image) { return EncodePng(image); } });
    return candidates;
}

double CpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Result {
    std::vector<double> ms;
    qsizetype bytes = 0;
    bool samePixels = true;
};

QString Summary(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("%1 (%2-%3)")
        .arg(ms[ms.size() / 2], 0, 'f', 2)
        .arg(ms.front(), 0, 'f', 2)
        .arg(ms.back(), 0, 'f', 2);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const std::vector<Candidate> candidates = Candidates();

    std::printf("| encoder | %d | | %d | | %d | | %d | |\n|---|---|---|---|---|---|---|---|---|\n",
                kSizes[0], kSizes[1], kSizes[2], kSizes[3]);
    std::vector<std::vector<Result>> results(candidates.size(), std::vector<Result>(std::size(kSizes)));
    for (std::size_t s = 0; s < std::size(kSizes); ++s) {
        Session session;
        if (ReadSession(SessionInputs { bench::GeneratedList(kSizes[s]), QStringLiteral("0"), 0, {} }, session))
            qFatal("the benchmark list was rejected");
        const PixelBuffer image = RenderImage(session).image;
        const QImage reference = ImageOf(image);
        // Interleaved: each repetition runs every candidate once, so a busy
        // spell on the machine spreads over all of them.
        for (int r = 0; r < repetitions; ++r)
            for (std::size_t c = 0; c < candidates.size(); ++c) {
                const double start = CpuMs();
                const QByteArray png = candidates[c].encode(image);
                results[c][s].ms.push_back(CpuMs() - start);
                if (r == 0) {
                    results[c][s].bytes = png.size();
                    results[c][s].samePixels =
                        QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32) == reference;
                }
            }
    }
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        std::printf("| %s |", qPrintable(candidates[c].name));
        for (const Result& result : results[c])
            std::printf(" %s ms | %.1f KB%s |", qPrintable(Summary(result.ms)), result.bytes / 1024.0,
                        result.samePixels ? "" : " DIFFERENT PIXELS");
        std::printf("\n");
    }
    return 0;
}

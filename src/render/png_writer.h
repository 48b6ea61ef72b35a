#pragma once
// PNG encoding of a rendered picture with no image-format plugins. By
// default the renderer's own deflate (DeflateRows: matches to the pixel on
// the left and the one above, fixed codes), a tenth of zlib's time for
// files of about the same size; a palette when the picture has at most 256
// colours (a grid without texts). Through libpng, with one fixed row filter
// and zlib's settings, for comparison. The choice was measured with
// bench/png_candidates.cpp.

#include <QByteArray>
#include <QImage>

namespace cellaro {

enum class PngFilter { None, Sub, Up, Paeth };

struct PngSettings {
    PngFilter filter = PngFilter::Up;
    int zlibLevel = 1;
    bool runLengthOnly = true; // zlib's Z_RLE strategy: matches at distance 1 only
    bool paletteWhenFew = true; // at most 256 colours: one palette byte a pixel instead of three
    // DeflateRows instead of libpng and zlib: no filter, matches to the
    // pixel on the left and the one above; the filter and zlib settings
    // are then unused.
    bool ownDeflate = true;
};

// The picture's pixels as an opaque 8-bit PNG, with its resolution when it
// has one. Empty when encoding failed.
QByteArray EncodePng(const QImage& image, const PngSettings& settings = {});

} // namespace cellaro

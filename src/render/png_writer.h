#pragma once
// PNG encoding of a rendered picture straight through libpng: 8-bit RGB,
// one fixed row filter and a fast zlib setting, no image-format plugins.
// The picture is a few flat colours, so a cheap filter and a low level
// compress it nearly as well as the adaptive filter choice at the default
// level, at a fraction of the time (see bench/png_candidates.cpp).

#include <QByteArray>
#include <QImage>

namespace cellaro {

enum class PngFilter { None, Sub, Up, Paeth };

struct PngSettings {
    PngFilter filter = PngFilter::Up;
    int zlibLevel = 1;
    bool runLengthOnly = true; // zlib's Z_RLE strategy: matches at distance 1 only
};

// The picture's pixels as an opaque 8-bit RGB PNG, with its resolution when
// it has one. Empty when encoding failed.
QByteArray EncodePng(const QImage& image, const PngSettings& settings = {});

} // namespace cellaro

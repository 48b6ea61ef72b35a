// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PNG through libpng and zlib with one fixed row filter, a zlib level and
// strategy: the settings the renderer's own writer was measured against.

#include <QByteArray>
#include <QImage>

namespace cellaro::bench {

enum class PngFilter { None, Sub, Up, Paeth };

struct LibpngSettings {
    PngFilter filter = PngFilter::Up;
    int zlibLevel = 1;
    bool runLengthOnly = true; // zlib's Z_RLE strategy: matches at distance 1 only
};

// An RGB32 picture as an opaque 8-bit RGB PNG; empty when libpng failed.
QByteArray EncodePngWithLibpng(const QImage& image, const LibpngSettings& settings);

} // namespace cellaro::bench

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture as plain pixels: row after row, each pixel one 32-bit word
// 0xFFRRGGBB. That is the layout of an RGB32 image, so the window shows the
// buffer without converting it, and the PNG writer reads it as it is.

#include "surface/colour.h"

#include <cstdint>
#include <vector>

namespace cellaro {

using Pixel = std::uint32_t;

inline constexpr Pixel OpaquePixel(Colour colour)
{
    return 0xFF000000u | Pixel(RedOf(colour)) << 16 | Pixel(GreenOf(colour)) << 8 | Pixel(BlueOf(colour));
}

struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    PixelBuffer() = default;
    PixelBuffer(int width, int height, Pixel fill);

    Pixel* row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
    const Pixel* row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width); }
    Pixel at(int x, int y) const { return row(y)[x]; }
};

// How much of each pixel a glyph covers, 0 (none) to 255 (all), row after
// row; its top-left lies `left` pixels right of the glyph's origin on the
// baseline and `top` pixels above it.
struct CoverageMask {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;
};

// Fills the pixels from (left, top) to (right, bottom), both corners
// included, as far as they lie in the buffer.
void FillPixels(PixelBuffer& buffer, int left, int top, int right, int bottom, Pixel pixel);

// Lays the opaque `pixel` over the buffer by the coverage of `mask`, whose
// origin lands at (x, y): what filling the glyph's outline in that colour
// with antialiasing gives.
void BlendCoverage(PixelBuffer& buffer, int x, int y, const CoverageMask& mask, Pixel pixel);

// The buffer at another size, what it holds kept at the top-left; new area
// is `fill`.
PixelBuffer Resized(const PixelBuffer& buffer, int width, int height, Pixel fill);

} // namespace cellaro

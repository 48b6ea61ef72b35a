// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/pixel_buffer.h"

#include <algorithm>

namespace cellaro {

namespace {

// x * a / 255 for each 8-bit channel of x, rounded to nearest.
Pixel ByteMul(Pixel x, std::uint32_t a)
{
    std::uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

} // namespace

PixelBuffer::PixelBuffer(int width, int height, Pixel fill)
    : width(std::max(width, 0))
    , height(std::max(height, 0))
    , pixels(std::size_t(this->width) * std::size_t(this->height), fill)
{
}

void FillPixels(PixelBuffer& buffer, int left, int top, int right, int bottom, Pixel pixel)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, buffer.width - 1);
    bottom = std::min(bottom, buffer.height - 1);
    for (int y = top; y <= bottom && left <= right; ++y)
        std::fill(buffer.row(y) + left, buffer.row(y) + right + 1, pixel);
}

void BlendCoverage(PixelBuffer& buffer, int x, int y, const CoverageMask& mask, Pixel pixel)
{
    x += mask.left;
    y -= mask.top;
    const int left = std::max(x, 0);
    const int right = std::min(x + mask.width, buffer.width);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + mask.height, buffer.height);
    for (int row = top; row < bottom; ++row) {
        Pixel* line = buffer.row(row);
        const std::uint8_t* cover = mask.coverage.data() + std::size_t(row - y) * std::size_t(mask.width);
        for (int column = left; column < right; ++column) {
            const std::uint32_t a = cover[column - x];
            if (a == 255)
                line[column] = pixel;
            else if (a != 0)
                line[column] = ByteMul(pixel, a) + ByteMul(line[column], 255 - a);
        }
    }
}

PixelBuffer Resized(const PixelBuffer& buffer, int width, int height, Pixel fill)
{
    PixelBuffer resized(width, height, fill);
    const int kept = std::min(width, buffer.width);
    for (int y = 0; y < std::min(height, buffer.height); ++y)
        std::copy(buffer.row(y), buffer.row(y) + kept, resized.row(y));
    return resized;
}

} // namespace cellaro

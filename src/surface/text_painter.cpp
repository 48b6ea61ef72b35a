// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/text_painter.h"

namespace cellaro {

TextPainter::TextPainter(double pixelSize)
    : fonts_(pixelSize)
    , layout_(fonts_)
    , glyphs_(kGlyphCacheBytes)
    , layouts_(kLayoutCacheBytes)
{
}

void TextPainter::Print(PixelBuffer& buffer, int left, int top, const QString& text, Pixel pixel)
{
    const int baseline = top + Ascent();
    for (const PlacedGlyph& placed : LaidOut(text, buffer.width - left).glyphs) {
        // Across to the nearest quarter of a pixel; up and down to whole pixels.
        const std::int32_t steps = (placed.x + (32 >> kSubpixelShift)) >> (6 - kSubpixelShift);
        BlendCoverage(buffer, left + (steps >> kSubpixelShift), baseline - ((placed.y + 32) >> 6),
                      Glyph(placed, steps & (kSubpixelSteps - 1)), pixel);
    }
}

const CoverageMask& TextPainter::Glyph(const PlacedGlyph& placed, int subpixel)
{
    const GlyphKey key = GlyphKey(placed.face) << 40 | GlyphKey(placed.glyph) << 8 | GlyphKey(subpixel);
    if (const CoverageMask* cached = glyphs_.Find(key))
        return *cached;
    CoverageMask image = fonts_.face(placed.face).Draw(placed.glyph, subpixel);
    const std::size_t bytes = image.coverage.size();
    return glyphs_.Add(key, std::move(image), bytes);
}

const LaidOutText& TextPainter::LaidOut(const QString& text, int room)
{
    if (!TextLayout::LaidOutWhole(text)) {
        long_ = layout_.LayOut(text, room);
        return long_;
    }
    if (const LaidOutText* cached = layouts_.Find(text))
        return *cached;
    LaidOutText laid = layout_.LayOut(text, room);
    const std::size_t bytes = std::size_t(text.size()) * sizeof(QChar) + laid.glyphs.size() * sizeof(PlacedGlyph);
    return layouts_.Add(text, std::move(laid), bytes);
}

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/text_painter.h"

namespace cellaro {

GlyphCache::GlyphCache(std::size_t maxBytes)
    : maxBytes_(maxBytes)
{
}

std::size_t GlyphCache::KeyHash::operator()(const GlyphKey& key) const
{
    return std::hash<std::uint64_t>()(std::uint64_t(key.face) << 40 ^ std::uint64_t(key.glyph) << 8
                                      ^ std::uint64_t(key.subpixel));
}

// The coverage and what holding it costs besides: the entry, its list node
// and its slot in the index.
std::size_t GlyphCache::BytesOf(const CoverageMask& image) { return image.coverage.size() + 96; }

const CoverageMask* GlyphCache::Find(const GlyphKey& key)
{
    const auto found = index_.find(key);
    if (found == index_.end())
        return nullptr;
    used_.splice(used_.begin(), used_, found->second);
    return &found->second->second;
}

const CoverageMask& GlyphCache::Add(const GlyphKey& key, CoverageMask image)
{
    used_.emplace_front(key, std::move(image));
    index_.emplace(key, used_.begin());
    bytes_ += BytesOf(used_.front().second);
    while (bytes_ > maxBytes_ && used_.size() > 1) {
        bytes_ -= BytesOf(used_.back().second);
        index_.erase(used_.back().first);
        used_.pop_back();
    }
    return used_.front().second;
}

TextPainter::TextPainter(double pixelSize)
    : fonts_(pixelSize)
    , layout_(fonts_)
    , glyphs_(kGlyphCacheBytes)
{
}

void TextPainter::Print(PixelBuffer& buffer, int left, int top, QStringView text, Pixel pixel)
{
    const int baseline = top + Ascent();
    const LaidOutText laid = layout_.LayOut(text, buffer.width - left);
    for (const PlacedGlyph& placed : laid.glyphs) {
        // Across to the nearest quarter of a pixel; up and down to whole pixels.
        const std::int32_t steps = (placed.x + (32 >> kSubpixelShift)) >> (6 - kSubpixelShift);
        BlendCoverage(buffer, left + (steps >> kSubpixelShift), baseline - ((placed.y + 32) >> 6),
                      Glyph(placed, steps & (kSubpixelSteps - 1)), pixel);
    }
}

const CoverageMask& TextPainter::Glyph(const PlacedGlyph& placed, int subpixel)
{
    const GlyphKey key { placed.face, placed.glyph, subpixel };
    if (const CoverageMask* cached = glyphs_.Find(key))
        return *cached;
    return glyphs_.Add(key, fonts_.face(placed.face).Draw(placed.glyph, subpixel));
}

} // namespace cellaro

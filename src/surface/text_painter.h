// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts printed into a pixel buffer at one pixel size: laid out by
// TextLayout, each glyph drawn once into the glyph cache and blended from
// there in the text's colour.
// Glyph images are cached by font, glyph and quarter-pixel position, and
// short texts as laid out: drawing a glyph or shaping a text costs many
// times more than blending it.

#include "surface/font_set.h"
#include "surface/pixel_buffer.h"
#include "surface/text_layout.h"

#include "surface/lru_cache.h"

#include <QHashFunctions>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace cellaro {

// A glyph image's key: the face, the glyph and the quarter-pixel position.
using GlyphKey = std::uint64_t;
using GlyphCache = LruCache<GlyphKey, CoverageMask>;

// A few screens of every letter, digit and sign at every quarter-pixel
// position, and of a picture's texts laid out.
inline constexpr std::size_t kGlyphCacheBytes = std::size_t(2) << 20;
inline constexpr std::size_t kLayoutCacheBytes = std::size_t(1) << 20;

class TextPainter {
public:
    explicit TextPainter(double pixelSize);
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // Prints `text` with its top-left corner at device pixel (left, top):
    // the baseline lies the font's ascent below the top.
    void Print(PixelBuffer& buffer, int left, int top, const QString& text, Pixel pixel);

    int Ascent() const { return fonts_.Ascent(); }
    const GlyphCache& glyphs() const { return glyphs_; }

private:
    const CoverageMask& Glyph(const PlacedGlyph& placed, int subpixel);
    const LaidOutText& LaidOut(const QString& text, int room);

    FontSet fonts_;
    TextLayout layout_;
    GlyphCache glyphs_;
    // Of texts laid out whole, which the room to the edge does not change.
    LruCache<QString, LaidOutText> layouts_;
    LaidOutText long_; // the latest text laid out only in part
};

} // namespace cellaro

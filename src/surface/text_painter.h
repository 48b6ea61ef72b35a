// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts printed into a pixel buffer at one pixel size: laid out by
// TextLayout, each glyph drawn once into the glyph cache and blended from
// there in the text's colour.
//
// The cache keeps the glyph images drawn lately, by font, glyph and
// quarter-pixel position: a repaint prints the same few letters and digits
// again and again, and drawing a glyph costs many times more than blending
// it. It holds at most a given number of bytes and lets the image used
// longest ago go first.

#include "surface/font_set.h"
#include "surface/pixel_buffer.h"
#include "surface/text_layout.h"

#include <QStringView>

#include <cstddef>
#include <list>
#include <unordered_map>

namespace cellaro {

struct GlyphKey {
    int face = 0;
    unsigned glyph = 0;
    int subpixel = 0;
    bool operator==(const GlyphKey&) const = default;
};

class GlyphCache {
public:
    explicit GlyphCache(std::size_t maxBytes);

    // The image of `key`, which becomes the latest used; nothing when the
    // cache does not hold it.
    const CoverageMask* Find(const GlyphKey& key);
    // Holds `image` as the latest used, letting the oldest go while the
    // cache is over its size (never the image just added).
    const CoverageMask& Add(const GlyphKey& key, CoverageMask image);

    std::size_t bytes() const { return bytes_; }

private:
    struct KeyHash {
        std::size_t operator()(const GlyphKey& key) const;
    };
    using Entry = std::pair<GlyphKey, CoverageMask>;
    static std::size_t BytesOf(const CoverageMask& image);

    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    std::list<Entry> used_; // the latest first
    std::unordered_map<GlyphKey, std::list<Entry>::iterator, KeyHash> index_;
};

// A few screens of every letter, digit and sign at every quarter-pixel position.
inline constexpr std::size_t kGlyphCacheBytes = std::size_t(2) << 20;

class TextPainter {
public:
    explicit TextPainter(double pixelSize);
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // Prints `text` with its top-left corner at device pixel (left, top):
    // the baseline lies the font's ascent below the top.
    void Print(PixelBuffer& buffer, int left, int top, QStringView text, Pixel pixel);

    int Ascent() const { return fonts_.Ascent(); }
    const GlyphCache& glyphs() const { return glyphs_; }

private:
    const CoverageMask& Glyph(const PlacedGlyph& placed, int subpixel);

    FontSet fonts_;
    TextLayout layout_;
    GlyphCache glyphs_;
};

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One font file at one pixel size: HarfBuzz lays texts out in it, FreeType
// draws its glyphs. The settings that decide a glyph's pixels are fixed
// here, so nothing of the machine reaches them (no font configuration, no
// FREETYPE_PROPERTIES): outlines only, hinted vertically (stems and bars
// land on whole pixel rows, shapes and advances across stay as designed,
// which lets glyphs sit at quarter-pixel positions), grayscale coverage.

#include "surface/pixel_buffer.h"

#include <memory>
#include <string>

struct FT_FaceRec_;
struct hb_blob_t;
struct hb_font_t;

namespace cellaro {

// Glyph positions across are kept to a quarter of a pixel.
inline constexpr int kSubpixelShift = 2;
inline constexpr int kSubpixelSteps = 1 << kSubpixelShift;

class FontFace {
public:
    // The built-in font, whose bytes live as long as the program.
    static std::unique_ptr<FontFace> FromStaticBytes(const char* bytes, std::size_t size, double pixelSize);
    // A font file of the machine; nothing when it cannot be read as a font.
    static std::unique_ptr<FontFace> FromFile(const std::string& path, int index, double pixelSize);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    bool HasGlyph(char32_t c) const;
    // The font at this size for laying texts out: positions in 64ths of a pixel.
    hb_font_t* shaping() const { return shaping_; }
    // The font's ascent, to whole pixels: texts hang this far above their baseline.
    int Ascent() const { return ascent_; }
    // The glyph drawn `subpixel` quarters of a pixel right of a whole pixel;
    // an empty image for a glyph with no outline.
    CoverageMask Draw(unsigned glyph, int subpixel) const;

private:
    FontFace(hb_blob_t* bytes, int index, double pixelSize);
    // The face of `bytes`, which it takes; nothing when they are no font.
    static std::unique_ptr<FontFace> Made(hb_blob_t* bytes, int index, double pixelSize);

    hb_blob_t* bytes_ = nullptr;
    FT_FaceRec_* outlines_ = nullptr; // none when the bytes are no font FreeType can scale
    hb_font_t* shaping_ = nullptr;
    int ascent_ = 0;
};

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_OUTLINE_H
#include <hb.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace cellaro {

namespace {

// Vertical hinting with the font's own instructions where it has them
// (the autohinter where it has none), coverage in 256 levels, no embedded
// bitmaps: every glyph is drawn from its outline the same way.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP;

void* Allocate(FT_Memory, long size) { return std::malloc(std::size_t(size)); }
void Free(FT_Memory, void* block) { std::free(block); }
void* Reallocate(FT_Memory, long, long size, void* block) { return std::realloc(block, std::size_t(size)); }

// FreeType with its compiled-in defaults. FT_Init_FreeType would also take
// properties from the FREETYPE_PROPERTIES environment variable, which can
// change how every glyph is hinted; the interpreter is named, not assumed.
FT_Library Library()
{
    static FT_MemoryRec_ memory { nullptr, Allocate, Free, Reallocate };
    static const std::unique_ptr<FT_LibraryRec_, FT_Error (*)(FT_Library)> library(
        [] {
            FT_Library created = nullptr;
            if (FT_New_Library(&memory, &created) == 0) {
                FT_Add_Default_Modules(created);
                FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
                FT_Property_Set(created, "truetype", "interpreter-version", &interpreter);
            }
            return created;
        }(),
        FT_Done_Library);
    return library.get();
}

} // namespace

std::unique_ptr<FontFace> FontFace::FromStaticBytes(const char* bytes, std::size_t size, double pixelSize)
{
    return Made(hb_blob_create(bytes, unsigned(size), HB_MEMORY_MODE_READONLY, nullptr, nullptr), 0, pixelSize);
}

std::unique_ptr<FontFace> FontFace::FromFile(const std::string& path, int index, double pixelSize)
{
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(path.c_str());
    return blob ? Made(blob, index, pixelSize) : nullptr;
}

std::unique_ptr<FontFace> FontFace::Made(hb_blob_t* bytes, int index, double pixelSize)
{
    std::unique_ptr<FontFace> face(new FontFace(bytes, index, pixelSize));
    return face->outlines_ ? std::move(face) : nullptr;
}

FontFace::FontFace(hb_blob_t* bytes, int index, double pixelSize)
    : bytes_(bytes)
{
    unsigned length = 0;
    const char* data = hb_blob_get_data(bytes_, &length);
    const FT_F26Dot6 size = FT_F26Dot6(std::lround(pixelSize * 64));
    if (!Library() || !data
        || FT_New_Memory_Face(Library(), reinterpret_cast<const FT_Byte*>(data), FT_Long(length), index, &outlines_) != 0)
        return;
    if (!FT_IS_SCALABLE(outlines_) || FT_Set_Char_Size(outlines_, 0, size, 72, 72) != 0) {
        FT_Done_Face(std::exchange(outlines_, nullptr));
        return;
    }
    ascent_ = int(std::lround(double(outlines_->ascender) * pixelSize / outlines_->units_per_EM));
    hb_face_t* face = hb_face_create(bytes_, unsigned(index));
    shaping_ = hb_font_create(face);
    hb_face_destroy(face);
    hb_font_set_scale(shaping_, int(size), int(size));
}

FontFace::~FontFace()
{
    if (outlines_)
        FT_Done_Face(outlines_);
    hb_font_destroy(shaping_);
    hb_blob_destroy(bytes_);
}

bool FontFace::HasGlyph(char32_t c) const
{
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(shaping_, c, &glyph) && glyph != 0;
}

CoverageMask FontFace::Draw(unsigned glyph, int subpixel) const
{
    FT_Face face = outlines_;
    CoverageMask image;
    if (FT_Load_Glyph(face, glyph, kLoadFlags) != 0 || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return image;
    FT_Outline_Translate(&face->glyph->outline, subpixel * 64 / kSubpixelSteps, 0);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
        return image;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    image.left = face->glyph->bitmap_left;
    image.top = face->glyph->bitmap_top;
    image.width = int(bitmap.width);
    image.height = int(bitmap.rows);
    image.coverage.resize(std::size_t(image.width) * std::size_t(image.height));
    for (int row = 0; row < image.height; ++row)
        std::memcpy(image.coverage.data() + std::size_t(row) * std::size_t(image.width),
                    bitmap.buffer + std::ptrdiff_t(row) * bitmap.pitch, std::size_t(image.width));
    return image;
}

} // namespace cellaro

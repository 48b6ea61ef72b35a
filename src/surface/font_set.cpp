// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/font_set.h"

#include "surface/default_font.h"

#include <fontconfig/fontconfig.h>
#include <hb.h>

#include <algorithm>
#include <memory>

namespace cellaro {

namespace {

struct ListedFont {
    FontFile file;
    std::unique_ptr<FcCharSet, void (*)(FcCharSet*)> characters; // a copy of the font's own
};

// The machine's outline fonts (glyphs are drawn from outlines, so
// bitmap-only fonts are left out), as fontconfig sorts them for a
// sans-serif text. The configuration is read into an object of our own,
// dropped once the list is made: nothing of it stays behind.
std::vector<ListedFont> ListMachineFonts()
{
    std::vector<ListedFont> fonts;
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = config ? FcFontSort(config, pattern, FcTrue, nullptr, &result) : nullptr;
    FcPatternDestroy(pattern);
    for (int i = 0; sorted && i < sorted->nfont; ++i) {
        FcChar8* path = nullptr;
        FcCharSet* characters = nullptr;
        FcBool outline = FcFalse;
        int index = 0;
        FcPatternGetInteger(sorted->fonts[i], FC_INDEX, 0, &index);
        if (FcPatternGetString(sorted->fonts[i], FC_FILE, 0, &path) != FcResultMatch
            || FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &characters) != FcResultMatch
            || FcPatternGetBool(sorted->fonts[i], FC_OUTLINE, 0, &outline) != FcResultMatch || !outline)
            continue;
        ListedFont font { { reinterpret_cast<const char*>(path), index }, { FcCharSetCreate(), FcCharSetDestroy } };
        FcCharSetMerge(font.characters.get(), characters, nullptr);
        fonts.push_back(std::move(font));
    }
    if (sorted)
        FcFontSetDestroy(sorted);
    if (config)
        FcConfigDestroy(config);
    return fonts;
}

bool IsMark(hb_unicode_general_category_t category)
{
    return category == HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK
        || category == HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK
        || category == HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK;
}

} // namespace

std::optional<FontFile> MachineFontFor(char32_t c)
{
    static const std::vector<ListedFont> fonts = ListMachineFonts();
    for (const ListedFont& font : fonts)
        if (FcCharSetHasChar(font.characters.get(), c))
            return font.file;
    return std::nullopt;
}

FontSet::FontSet(double pixelSize)
    : pixelSize_(pixelSize)
{
    const std::span<const char> bytes = DefaultFontBytes();
    faces_.push_back(FontFace::FromStaticBytes(bytes.data(), bytes.size(), pixelSize));
}

FontSet::~FontSet() = default;

int FontSet::FaceFor(char32_t c, int previous)
{
    const hb_unicode_general_category_t category = hb_unicode_general_category(hb_unicode_funcs_get_default(), c);
    // Format characters (zero-width spaces and joiners, bidi controls) draw
    // nothing, HarfBuzz drops them: they never send for the machine's fonts.
    if (category == HB_UNICODE_GENERAL_CATEGORY_FORMAT)
        return std::max(previous, 0);
    if (previous >= 0 && IsMark(category) && face(previous).HasGlyph(c))
        return previous;
    if (face(0).HasGlyph(c))
        return 0;
    const std::optional<FontFile> file = MachineFontFor(c);
    return file ? MachineFaceFor(*file) : 0;
}

int FontSet::MachineFaceFor(const FontFile& file)
{
    auto known = std::find(files_.begin(), files_.end(), file);
    if (known == files_.end()) {
        // A file that cannot be read as a font is remembered as such.
        files_.push_back(file);
        faces_.push_back(FontFace::FromFile(file.path, file.index, pixelSize_));
        known = files_.end() - 1;
    }
    const int index = int(known - files_.begin()) + 1;
    return faces_[std::size_t(index)] ? index : 0;
}

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/text_layout.h"

#include <fribidi.h>
#include <hb.h>

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <numeric>
#include <string>

namespace cellaro {

namespace {

// Texts this short are laid out whole: every label, count and share of an
// ordinary list.
constexpr qsizetype kAlwaysWhole = 256;

constexpr char32_t kZeroWidthSpace = 0x200B;

// The characters of `text`: those that show nothing as a zero-width space,
// which HarfBuzz drops like every default-ignorable character; those XML
// cannot hold (a lone surrogate, U+FFFE, U+FFFF) as U+FFFD, as the SVG
// writes them.
std::u32string CodePoints(QStringView text)
{
    const QList<uint> ucs4 = text.toUcs4();
    std::u32string points(ucs4.begin(), ucs4.end());
    for (char32_t& c : points)
        c = ShowsNothing(c) ? kZeroWidthSpace : c == 0xFFFE || c == 0xFFFF ? 0xFFFD : c;
    return points;
}

// Whether any character is right to left, an Arabic number or a bidi
// control. Nothing below U+0590 is.
bool NeedsBidi(const std::u32string& points)
{
    return std::any_of(points.begin(), points.end(), [](char32_t c) {
        const FriBidiCharType type = fribidi_get_bidi_type(FriBidiChar(c));
        return c >= 0x590
            && (FRIBIDI_IS_RTL(type) || FRIBIDI_IS_ARABIC(type) || FRIBIDI_IS_EXPLICIT(type) || FRIBIDI_IS_ISOLATE(type));
    });
}

// The embedding level of each character; its direction comes from its
// first strong character.
std::vector<FriBidiLevel> BidiLevels(const std::u32string& points)
{
    std::vector<FriBidiLevel> levels(points.size(), 0);
    if (!NeedsBidi(points))
        return levels;
    const auto* characters = reinterpret_cast<const FriBidiChar*>(points.data());
    const FriBidiStrIndex length = FriBidiStrIndex(points.size());
    std::vector<FriBidiCharType> types(points.size());
    std::vector<FriBidiBracketType> brackets(points.size());
    fribidi_get_bidi_types(characters, length, types.data());
    fribidi_get_bracket_types(characters, length, types.data(), brackets.data());
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), length, &direction, levels.data()) == 0)
        std::fill(levels.begin(), levels.end(), 0);
    return levels;
}

// Characters one font shapes in one direction and one script.
struct Run {
    std::size_t start = 0;
    std::size_t end = 0;
    int face = 0;
    FriBidiLevel level = 0;
    hb_script_t script = HB_SCRIPT_COMMON; // common until a character has a script of its own
};

bool HasNoScriptOfItsOwn(hb_script_t script)
{
    return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN;
}

std::vector<Run> Runs(const std::u32string& points, const std::vector<FriBidiLevel>& levels, FontSet& fonts)
{
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    std::vector<Run> runs;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int face = fonts.FaceFor(points[i], runs.empty() ? -1 : runs.back().face);
        const hb_script_t script = hb_unicode_script(unicode, points[i]);
        const bool ownScript = !HasNoScriptOfItsOwn(script);
        if (runs.empty() || runs.back().level != levels[i] || runs.back().face != face
            || (ownScript && runs.back().script != HB_SCRIPT_COMMON && runs.back().script != script)) {
            runs.push_back(Run { i, i + 1, face, levels[i], ownScript ? script : HB_SCRIPT_COMMON });
            continue;
        }
        runs.back().end = i + 1;
        if (ownScript && runs.back().script == HB_SCRIPT_COMMON)
            runs.back().script = script;
    }
    return runs;
}

// The runs from left to right: each sequence of runs at a level or above
// is reversed, from the highest level down to the lowest odd one.
std::vector<std::size_t> VisualOrder(const std::vector<Run>& runs)
{
    std::vector<std::size_t> order(runs.size());
    std::iota(order.begin(), order.end(), 0);
    int highest = 0;
    int lowest = FRIBIDI_BIDI_MAX_RESOLVED_LEVELS;
    for (const Run& run : runs) {
        highest = std::max(highest, int(run.level));
        lowest = std::min(lowest, int(run.level));
    }
    for (int level = highest; level >= (lowest | 1); --level)
        for (auto first = order.begin(); first != order.end();) {
            if (runs[*first].level < level) {
                ++first;
                continue;
            }
            auto last = std::find_if(first, order.end(), [&](std::size_t run) { return runs[run].level < level; });
            std::reverse(first, last);
            first = last;
        }
    return order;
}

// Where a grapheme ends at `position` or next after it.
qsizetype GraphemeEnd(QTextBoundaryFinder& graphemes, qsizetype position)
{
    graphemes.setPosition(position);
    if (graphemes.isAtBoundary())
        return position;
    const qsizetype next = graphemes.toNextBoundary();
    return next < 0 ? position : next;
}

} // namespace

TextLayout::TextLayout(FontSet& fonts)
    : fonts_(fonts)
    , buffer_(hb_buffer_create(), hb_buffer_destroy)
{
}

bool TextLayout::LaidOutWhole(QStringView text) { return text.size() <= kAlwaysWhole; }

bool TextLayout::NeedsBidi(QStringView text) { return cellaro::NeedsBidi(CodePoints(text)); }

LaidOutText TextLayout::LayOut(QStringView text, double room)
{
    if (LaidOutWhole(text) || NeedsBidi(text))
        return Shape(text);
    // Half the room again and some pixels more: kerning and shaping never
    // bring a glyph after the cut that far back.
    const double reach = (std::max(room, 0.0) * 1.5 + 64) * 64;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype length = kAlwaysWhole;; length = std::min(text.size(), 2 * length)) {
        length = GraphemeEnd(graphemes, length);
        LaidOutText laid = Shape(text.first(length));
        if (length == text.size() || laid.advance > reach)
            return laid;
    }
}

LaidOutText TextLayout::Shape(QStringView text)
{
    static const hb_language_t kAlbanian = hb_language_from_string("sq", -1);
    const std::u32string points = CodePoints(text);
    const std::vector<Run> runs = Runs(points, BidiLevels(points), fonts_);
    LaidOutText laid;
    laid.length = text.size();
    for (const std::size_t index : VisualOrder(runs)) {
        const Run& run = runs[index];
        hb_buffer_clear_contents(buffer_.get());
        hb_buffer_add_utf32(buffer_.get(), reinterpret_cast<const std::uint32_t*>(points.data()), int(points.size()),
                            unsigned(run.start), int(run.end - run.start));
        hb_buffer_set_direction(buffer_.get(), run.level % 2 == 1 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer_.get(), run.script);
        hb_buffer_set_language(buffer_.get(), kAlbanian);
        hb_buffer_set_flags(buffer_.get(), hb_buffer_flags_t(HB_BUFFER_FLAG_REMOVE_DEFAULT_IGNORABLES
                                                       | (run.start == 0 ? HB_BUFFER_FLAG_BOT : 0)
                                                       | (run.end == points.size() ? HB_BUFFER_FLAG_EOT : 0)));
        hb_shape(fonts_.face(run.face).shaping(), buffer_.get(), nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer_.get(), &count);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_.get(), &count);
        for (unsigned i = 0; i < count; ++i) {
            laid.glyphs.push_back({ run.face, glyphs[i].codepoint, laid.advance + positions[i].x_offset,
                                    positions[i].y_offset });
            laid.advance += positions[i].x_advance;
        }
    }
    return laid;
}

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text laid out as one line: which font draws each character, the order
// of its left-to-right and right-to-left parts (the bidirectional
// algorithm, by fribidi), and HarfBuzz's glyphs and positions for each part.
//
// A label is one line whatever it holds: control characters and the line
// and paragraph separators take no room and show nothing, and the bidi
// controls steer the order of the parts without showing themselves.
// Shaping follows no locale of the machine: the language is the window's,
// Albanian.

#include "surface/font_set.h"

#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

struct hb_buffer_t;

namespace cellaro {

// Whether a label shows nothing for `c` and gives it no room: control
// characters, DEL, C1 controls, the line and paragraph separators.
inline bool ShowsNothing(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

struct PlacedGlyph {
    int face = 0; // in the layout's FontSet
    unsigned glyph = 0;
    std::int32_t x = 0; // of the glyph's origin: 64ths of a pixel right of the text's start
    std::int32_t y = 0; // and above its baseline
};

struct LaidOutText {
    std::vector<PlacedGlyph> glyphs; // left to right
    std::int32_t advance = 0;        // 64ths of a pixel from the start to the end
    qsizetype length = 0;            // code units of the text laid out
};

class TextLayout {
public:
    explicit TextLayout(FontSet& fonts);

    // The glyphs of `text` as far as they can show when it starts `room`
    // pixels before a surface's right edge (a label may be megabytes long):
    // all of a text of a few hundred characters; of a longer one, a
    // beginning that reaches well past the edge, cut between graphemes. A
    // text with anything right to left is never cut: a cut could move its
    // glyphs.
    LaidOutText LayOut(QStringView text, double room);

    // Whether LayOut lays `text` out whole wherever it starts.
    static bool LaidOutWhole(QStringView text);
    // Whether `text` holds anything right to left, an Arabic number or a
    // bidi control: its direction is then its first strong character's.
    static bool NeedsBidi(QStringView text);

    FontSet& fonts() { return fonts_; }

private:
    LaidOutText Shape(QStringView text);

    FontSet& fonts_;
    std::unique_ptr<hb_buffer_t, void (*)(hb_buffer_t*)> buffer_; // used again for every run
};

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 36 letters of the Albanian alphabet, two-letter letters included, in
// alphabet order. The labels of the list the window opens with, the header
// letters of a 36 x 36 grid with their printed texts, and the letters the
// counter counts all come from this one table. Plain C++, no Qt: the
// counter takes it without the rest of this layer.

#include <array>
#include <string_view>

namespace cellaro {

struct AlphabetLetter {
    // The letter as written, in UTF-8: "a", "\u00e7", "dh".
    std::string_view text;
    // Its character among the header letters: the letter itself, or for a
    // two-letter letter the upper case of its first letter ("D" for "dh").
    char16_t headerCode;
};

inline constexpr std::array<AlphabetLetter, 36> kAlphabet { {
    { "a", u'a' },  { "b", u'b' },  { "c", u'c' },  { "\u00e7", u'\u00e7' }, { "d", u'd' },  { "dh", u'D' },
    { "e", u'e' },  { "\u00eb", u'\u00eb' }, { "f", u'f' },  { "g", u'g' },  { "gj", u'G' }, { "h", u'h' },
    { "i", u'i' },  { "j", u'j' },  { "k", u'k' },  { "l", u'l' },  { "ll", u'L' }, { "m", u'm' },
    { "n", u'n' },  { "nj", u'N' }, { "o", u'o' },  { "p", u'p' },  { "q", u'q' },  { "r", u'r' },
    { "rr", u'R' }, { "s", u's' },  { "sh", u'S' }, { "t", u't' },  { "th", u'T' }, { "u", u'u' },
    { "v", u'v' },  { "x", u'x' },  { "xh", u'X' }, { "y", u'y' },  { "z", u'z' },  { "zh", u'Z' },
} };

} // namespace cellaro

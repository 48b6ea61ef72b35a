// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letters of the alphabet (entries/alphabet.h), by their index there,
// and how the text's characters map onto them. Characters reach the
// counter as units: the 26 ASCII letters in lower case, ç, ë, and one unit
// for everything else.

#include "entries/alphabet.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace cellaro::count {

inline constexpr int kLetters = int(kAlphabet.size());
inline constexpr int kPairs = kLetters * kLetters;

// Units: 0..25 are 'a'..'z'.
inline constexpr int kUnitCedilla = 26;   // ç
inline constexpr int kUnitDiaeresis = 27; // ë
inline constexpr int kUnitOther = 28;     // not a letter: ends a word
inline constexpr int kUnits = 29;

inline constexpr int kNoLetter = -1;

// The label of letter 0..35 as UTF-8, lower case, as the default list writes it.
std::string_view LetterLabel(int letter);

// The unit's letter when it stands alone: kNoLetter for 'w' and kUnitOther.
int SingleLetter(int unit);

// The two-unit letter that `first` then `second` make, or kNoLetter.
int DigraphLetter(int first, int second);

// Whether `unit` can begin a two-unit letter (d g l n r s t x z).
bool BeginsDigraph(int unit);

// Unit of every ASCII byte, upper case folded; non-letters are kUnitOther.
extern const std::array<std::uint8_t, 128> kAsciiUnits;

} // namespace cellaro::count

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/alphabet.h"

namespace cellaro::count {

namespace {

constexpr int Unit(char letter) { return letter - 'a'; }

constexpr bool IsAsciiLetter(char c) { return c >= 'a' && c <= 'z'; }

constexpr int IndexOf(std::string_view label)
{
    for (int letter = 0; letter < kLetters; ++letter)
        if (kAlphabet[std::size_t(letter)].text == label)
            return letter;
    return kNoLetter;
}

constexpr std::array<int, kUnits> MakeSingles()
{
    std::array<int, kUnits> singles {};
    for (char c = 'a'; c <= 'z'; ++c)
        singles[std::size_t(Unit(c))] = IndexOf(std::string_view(&c, 1));
    singles[kUnitCedilla] = IndexOf("\u00e7");
    singles[kUnitDiaeresis] = IndexOf("\u00eb");
    singles[kUnitOther] = kNoLetter;
    return singles;
}

using DigraphTable = std::array<std::array<int, kUnits>, kUnits>;

// The two-unit letters are the letters written with two ASCII letters.
constexpr DigraphTable MakeDigraphs()
{
    DigraphTable table {};
    for (auto& row : table)
        row.fill(kNoLetter);
    for (int letter = 0; letter < kLetters; ++letter) {
        const std::string_view text = kAlphabet[std::size_t(letter)].text;
        if (text.size() == 2 && IsAsciiLetter(text[0]) && IsAsciiLetter(text[1]))
            table[std::size_t(Unit(text[0]))][std::size_t(Unit(text[1]))] = letter;
    }
    return table;
}

constexpr std::array<std::uint8_t, 128> MakeAsciiUnits()
{
    std::array<std::uint8_t, 128> units {};
    units.fill(kUnitOther);
    for (char c = 'a'; c <= 'z'; ++c) {
        units[std::size_t(c)] = std::uint8_t(Unit(c));
        units[std::size_t(c - 'a' + 'A')] = std::uint8_t(Unit(c));
    }
    return units;
}

constexpr std::array<int, kUnits> kSingles = MakeSingles();
constexpr DigraphTable kDigraphTable = MakeDigraphs();

} // namespace

const std::array<std::uint8_t, 128> kAsciiUnits = MakeAsciiUnits();

std::string_view LetterLabel(int letter) { return kAlphabet[std::size_t(letter)].text; }

int SingleLetter(int unit) { return kSingles[std::size_t(unit)]; }

int DigraphLetter(int first, int second) { return kDigraphTable[std::size_t(first)][std::size_t(second)]; }

bool BeginsDigraph(int unit)
{
    for (int second = 0; second < kUnits; ++second)
        if (DigraphLetter(unit, second) != kNoLetter)
            return true;
    return false;
}

} // namespace cellaro::count

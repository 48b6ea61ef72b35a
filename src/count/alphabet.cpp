#include "count/alphabet.h"

namespace cellaro::count {

namespace {

constexpr std::array<std::string_view, kLetters> kLabels {
    "a", "b", "c", "\u00e7", "d", "dh", "e", "\u00eb", "f", "g", "gj", "h",
    "i", "j", "k", "l", "ll", "m", "n", "nj", "o", "p", "q", "r",
    "rr", "s", "sh", "t", "th", "u", "v", "x", "xh", "y", "z", "zh",
};

constexpr int Unit(char letter) { return letter - 'a'; }

constexpr int IndexOf(std::string_view label)
{
    for (int letter = 0; letter < kLetters; ++letter)
        if (kLabels[std::size_t(letter)] == label)
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

struct Digraph {
    char first;
    char second;
};

constexpr std::array<Digraph, 9> kDigraphs { {
    { 'd', 'h' }, { 'g', 'j' }, { 'l', 'l' }, { 'n', 'j' }, { 'r', 'r' },
    { 's', 'h' }, { 't', 'h' }, { 'x', 'h' }, { 'z', 'h' },
} };

using DigraphTable = std::array<std::array<int, kUnits>, kUnits>;

constexpr DigraphTable MakeDigraphs()
{
    DigraphTable table {};
    for (auto& row : table)
        row.fill(kNoLetter);
    for (const Digraph& digraph : kDigraphs) {
        const char label[2] { digraph.first, digraph.second };
        table[std::size_t(Unit(digraph.first))][std::size_t(Unit(digraph.second))] =
            IndexOf(std::string_view(label, 2));
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

std::string_view LetterLabel(int letter) { return kLabels[std::size_t(letter)]; }

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

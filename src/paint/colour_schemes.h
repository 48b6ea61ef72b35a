// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight colour schemes that turn a count into a cell's fill colour.
// Shade schemes compute a shade from the count and build the colour from
// it; palette schemes look the colour up in a palette that each painter run
// writes afresh. The palette is never cleared, so an entry a scheme does not
// write keeps what an earlier scheme put there (only negative counts reach
// such entries).

#include "surface/colour.h"
#include "surface/int16.h"

#include <QStringList>

#include <array>
#include <optional>
#include <string_view>

namespace cellaro {

inline constexpr int kPaletteSlots = 1001; // entries 0..1000

struct Palette {
    std::array<Int16, kPaletteSlots> PaletteRed {};
    std::array<Int16, kPaletteSlots> PaletteGreen {};
    std::array<Int16, kPaletteSlots> PaletteBlue {};

    Colour entry(int k) const { return RGB(PaletteRed[k], PaletteGreen[k], PaletteBlue[k]); }
};

enum class SchemeKind { Shade, Palette };

// Which components of a shade scheme's colour carry the shade; the others
// stay at 255.
struct ShadedComponents {
    bool red, green, blue;

    // The colour of shade 0..255: the shade in every shaded component.
    constexpr Colour ColourOf(int shade) const { return unfixed() * Colour(shade) + fixed(); }

private:
    constexpr Colour unfixed() const { return RGB(red, green, blue); }
    constexpr Colour fixed() const { return RGB(red ? 0 : 255, green ? 0 : 255, blue ? 0 : 255); }
};

// One scheme of the selector. A shade scheme names its shaded components,
// a palette scheme the function that writes its palette; `levels` is the
// number of steps between the hottest colour (count = MaxValue) and the
// coldest (count = 0).
struct ColourScheme {
    std::u16string_view name; // the selector's item text
    SchemeKind kind;
    Int16 levels;
    ShadedComponents shaded;
    void (*writePalette)(Palette& palette);
};

inline constexpr int kSchemeCount = 8;

// The schemes in the selector's order: a scheme's position is its index.
extern const std::array<ColourScheme, kSchemeCount> kColourSchemes;

// The scheme at `index`, or none outside 0..kSchemeCount - 1.
inline const ColourScheme* SchemeAt(int index)
{
    return index >= 0 && index < kSchemeCount ? &kColourSchemes[std::size_t(index)] : nullptr;
}

// The selector's items, in order.
QStringList SchemeNames();

// Writes the scheme's palette entries (palette schemes) and returns
// PaletteLevels. An index below 0 (the selector without an item) counts as
// a shade scheme.
Int16 PrepareScheme(Palette& palette, Int16 scheme);

// The fill colour of a cell with `count`, or none for a scheme below 0.
std::optional<Colour> CellFillColor(const Palette& palette, Int16 paletteLevels, Int16 maxValue,
                                    Int16 scheme, Int16 count);

// The exact split of L * (M - c) / M into quotient and remainder; both the
// shade and the palette index are taken from it.
struct LevelRatio {
    long long quotient = 0;  // floor
    long long remainder = 0; // 0 <= remainder < divisor
    long long divisor = 1;
};

inline LevelRatio LevelOf(Int16 paletteLevels, Int16 maxValue, Int16 count)
{
    const long long numerator = (long long)paletteLevels * ((long long)maxValue - count);
    // The painter calls only with MaxValue >= 1; never divide by zero anyway.
    const long long divisor = maxValue > 0 ? maxValue : 1;
    long long quotient = numerator / divisor;
    long long remainder = numerator % divisor;
    if (remainder < 0) { // make it a floor division
        --quotient;
        remainder += divisor;
    }
    return LevelRatio { quotient, remainder, divisor };
}

// The shade of the shade schemes: the ratio rounded to nearest, ties to even.
inline long long ShadeOf(const LevelRatio& ratio)
{
    const long long twice = 2 * ratio.remainder;
    if (twice > ratio.divisor || (twice == ratio.divisor && ratio.quotient % 2 != 0))
        return ratio.quotient + 1;
    return ratio.quotient;
}

// The palette index of the palette schemes: floor of the ratio plus 1, kept
// within the palette (entry 1000 serves for anything beyond it).
inline int PaletteIndexOf(const LevelRatio& ratio)
{
    const long long k = ratio.quotient + 1;
    return int(k < 0 ? 0 : k > kPaletteSlots - 1 ? kPaletteSlots - 1 : k);
}

} // namespace cellaro

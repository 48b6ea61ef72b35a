#pragma once
// The eight colour schemes that turn a count into a cell's fill colour.
// Schemes 0 to 3 compute a shade; schemes 4 to 7 look the colour up in a
// palette that each painter run writes afresh. The palette is never cleared,
// so an entry a scheme does not write keeps what an earlier scheme put there
// (only negative counts reach such entries).

#include "window/colour.h"
#include "window/int16.h"

#include <QStringList>

#include <array>
#include <optional>

namespace cellaro {

inline constexpr int kPaletteSlots = 1001; // entries 0..1000
inline constexpr int kSchemeCount = 8;

struct Palette {
    std::array<Int16, kPaletteSlots> PaletteRed {};
    std::array<Int16, kPaletteSlots> PaletteGreen {};
    std::array<Int16, kPaletteSlots> PaletteBlue {};

    Colour entry(int k) const { return RGB(PaletteRed[k], PaletteGreen[k], PaletteBlue[k]); }
};

// The scheme selector's items in order; an item's position is its scheme
// index.
const QStringList& SchemeItemTexts();

// Writes the scheme's palette entries (schemes 4 to 7) and returns
// PaletteLevels, the number of steps between the hottest and coldest colour.
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
LevelRatio LevelOf(Int16 paletteLevels, Int16 maxValue, Int16 count);

// The shade of schemes 0 to 3: the ratio rounded to nearest, ties to even.
long long ShadeOf(const LevelRatio& ratio);

// The palette index of schemes 4 to 7: floor of the ratio plus 1, kept
// within the palette (entry 1000 serves for anything beyond it).
int PaletteIndexOf(const LevelRatio& ratio);

} // namespace cellaro

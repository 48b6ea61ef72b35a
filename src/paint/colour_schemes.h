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

// One scheme of the selector. A shade scheme has `shadeColour`, a palette
// scheme `writePalette`; `levels` is the number of steps between the
// hottest colour (count = MaxValue) and the coldest (count = 0).
struct ColourScheme {
    std::u16string_view name; // the selector's item text
    SchemeKind kind;
    Int16 levels;
    Colour (*shadeColour)(long long shade);
    void (*writePalette)(Palette& palette);
};

inline constexpr int kSchemeCount = 8;

// The schemes in the selector's order: a scheme's position is its index.
extern const std::array<ColourScheme, kSchemeCount> kColourSchemes;

// The scheme at `index`, or none outside 0..kSchemeCount - 1.
const ColourScheme* SchemeAt(int index);

// The selector's items, and the same names joined by ", " for messages.
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
LevelRatio LevelOf(Int16 paletteLevels, Int16 maxValue, Int16 count);

// The shade of the shade schemes: the ratio rounded to nearest, ties to even.
long long ShadeOf(const LevelRatio& ratio);

// The palette index of the palette schemes: floor of the ratio plus 1, kept
// within the palette (entry 1000 serves for anything beyond it).
int PaletteIndexOf(const LevelRatio& ratio);

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/colour_schemes.h"

#include <algorithm>

namespace cellaro {

namespace {

struct Rgb {
    int red, green, blue;
};

void SetEntry(Palette& palette, int k, Rgb c)
{
    palette.PaletteRed[k] = Int16(c.red);
    palette.PaletteGreen[k] = Int16(c.green);
    palette.PaletteBlue[k] = Int16(c.blue);
}

// One ramp: t runs from `from` to `to` (both included) in `step`; for each t
// the running entry number goes up by one and that entry gets the colour.
template <typename ColourOfStep>
void Ramp(Palette& palette, int& entry, int from, int to, int step, ColourOfStep colourOf)
{
    for (int t = from; step > 0 ? t <= to : t >= to; t += step)
        SetEntry(palette, ++entry, colourOf(t));
}

// Red, yellow, green, cyan and blue, with the components 64, 128 and 191
// between them.
void WriteSeventeenColours(Palette& palette)
{
    constexpr std::array<Rgb, 17> kColours { {
        { 255, 0, 0 },   { 255, 64, 0 },  { 255, 128, 0 }, { 255, 191, 0 }, { 255, 255, 0 },
        { 191, 255, 0 }, { 128, 255, 0 }, { 64, 255, 0 },  { 0, 255, 0 },   { 0, 255, 64 },
        { 0, 255, 128 }, { 0, 255, 191 }, { 0, 255, 255 }, { 0, 191, 255 }, { 0, 128, 255 },
        { 0, 64, 255 },  { 0, 0, 255 },
    } };
    for (int k = 1; k <= int(kColours.size()); ++k)
        SetEntry(palette, k, kColours[std::size_t(k - 1)]);
}

// Red, yellow, green, cyan, blue in steps of 10: 101 entries.
void WriteHundredAndOneColours(Palette& palette)
{
    int entry = 0;
    Ramp(palette, entry, 0, 250, 10, [](int t) { return Rgb { 255, t, 0 }; });
    Ramp(palette, entry, 245, 5, -10, [](int t) { return Rgb { t, 255, 0 }; });
    Ramp(palette, entry, 10, 250, 10, [](int t) { return Rgb { 0, 255, t }; });
    Ramp(palette, entry, 245, 5, -10, [](int t) { return Rgb { 0, t, 255 }; });
}

// Red to yellow in steps of `redStep` up to `lastRedT`, then yellow towards
// white in steps of 2, with entry 255 set to cream as the colour of a zero
// count.
void WriteRedYellowCream(Palette& palette, int redStep, int lastRedT)
{
    int entry = 0;
    Ramp(palette, entry, 0, lastRedT, redStep, [](int t) { return Rgb { 255, t, 0 }; });
    Ramp(palette, entry, 0, 254, 2, [](int t) { return Rgb { 255, 255, t }; });
    SetEntry(palette, 255, Rgb { 255, 255, 220 });
}

// Ngj3 and Ngj4: red to yellow in steps of 2 or of 1.
void WriteRedYellowCreamInTwos(Palette& palette) { WriteRedYellowCream(palette, 2, 254); }
void WriteRedYellowCreamInOnes(Palette& palette) { WriteRedYellowCream(palette, 1, 255); }

// Shades run from 0 (the hottest colour) to 255 (white).
constexpr Int16 kShadeLevels = 255;
// What PaletteLevels starts at: the levels of an index no scheme has.
constexpr Int16 kUnknownSchemeLevels = 100;

constexpr ColourScheme Shade(std::u16string_view name, ShadedComponents shaded)
{
    return ColourScheme { name, SchemeKind::Shade, kShadeLevels, shaded, nullptr };
}

constexpr ColourScheme PaletteScheme(std::u16string_view name, Int16 levels, void (*write)(Palette&))
{
    return ColourScheme { name, SchemeKind::Palette, levels, {}, write };
}

// Every scheme needs its name and the function its kind draws with: a
// scheme added to the count without its entry does not compile.
constexpr bool Complete(const ColourScheme& scheme)
{
    return !scheme.name.empty() && scheme.levels > 0
        && (scheme.kind == SchemeKind::Shade
                ? scheme.shaded.red || scheme.shaded.green || scheme.shaded.blue
                : scheme.writePalette != nullptr);
}

} // namespace

constexpr std::array<ColourScheme, kSchemeCount> kColourSchemes { {
    Shade(u"Gri", { true, true, true }),
    Shade(u"Kuq", { false, true, true }),
    Shade(u"Gjelber", { true, false, true }),
    Shade(u"Blu", { true, true, false }),
    PaletteScheme(u"Ngj1", 16, WriteSeventeenColours),
    PaletteScheme(u"Ngj2", 100, WriteHundredAndOneColours),
    PaletteScheme(u"Ngj3", 254, WriteRedYellowCreamInTwos),
    PaletteScheme(u"Ngj4", 254, WriteRedYellowCreamInOnes),
} };
static_assert(std::all_of(kColourSchemes.begin(), kColourSchemes.end(), Complete),
              "every colour scheme needs a name, levels and its drawing function");
static_assert(ShadedComponents { false, true, true }.ColourOf(175) == RGB(255, 175, 175));

QStringList SchemeNames()
{
    QStringList names;
    for (const ColourScheme& scheme : kColourSchemes)
        names.append(QString::fromUtf16(scheme.name.data(), qsizetype(scheme.name.size())));
    return names;
}

Int16 PrepareScheme(Palette& palette, Int16 scheme)
{
    const ColourScheme* known = SchemeAt(scheme);
    if (!known) // below 0: the selector without an item, which counts as shades
        return scheme < 0 ? kShadeLevels : kUnknownSchemeLevels;
    if (known->kind == SchemeKind::Palette)
        known->writePalette(palette);
    return known->levels;
}

std::optional<Colour> CellFillColor(const Palette& palette, Int16 paletteLevels, Int16 maxValue,
                                    Int16 scheme, Int16 count)
{
    if (scheme < 0)
        return std::nullopt;
    const LevelRatio ratio = LevelOf(paletteLevels, maxValue, count);
    const ColourScheme* known = SchemeAt(scheme);
    if (!known || known->kind == SchemeKind::Palette)
        return palette.entry(PaletteIndexOf(ratio));
    // RGB takes anything above 255 as 255, however large the shade.
    return known->shaded.ColourOf(ClampComponent(ShadeOf(ratio)));
}

} // namespace cellaro

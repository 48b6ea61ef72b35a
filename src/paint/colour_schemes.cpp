#include "paint/colour_schemes.h"

namespace cellaro {

namespace {

struct Rgb {
    Int16 red, green, blue;
};

constexpr std::array<Rgb, 17> kSeventeenColours { {
    { 255, 0, 0 },   { 255, 64, 0 },  { 255, 128, 0 }, { 255, 191, 0 }, { 255, 255, 0 },
    { 191, 255, 0 }, { 128, 255, 0 }, { 64, 255, 0 },  { 0, 255, 0 },   { 0, 255, 64 },
    { 0, 255, 128 }, { 0, 255, 191 }, { 0, 255, 255 }, { 0, 191, 255 }, { 0, 128, 255 },
    { 0, 64, 255 },  { 0, 0, 255 },
} };

void SetEntry(Palette& palette, int k, int red, int green, int blue)
{
    palette.PaletteRed[k] = Int16(red);
    palette.PaletteGreen[k] = Int16(green);
    palette.PaletteBlue[k] = Int16(blue);
}

// One ramp: t runs from `from` to `to` (both included) in `step`; for each t
// the running entry number goes up by one and that entry gets the colour.
template <typename ColourOfStep>
void Ramp(Palette& palette, int& entry, int from, int to, int step, ColourOfStep colourOf)
{
    for (int t = from; step > 0 ? t <= to : t >= to; t += step) {
        ++entry;
        const Rgb c = colourOf(t);
        SetEntry(palette, entry, c.red, c.green, c.blue);
    }
}

Rgb Of(int red, int green, int blue) { return Rgb { Int16(red), Int16(green), Int16(blue) }; }

void WriteSchemeFive(Palette& palette)
{
    int entry = 0;
    Ramp(palette, entry, 0, 250, 10, [](int t) { return Of(255, t, 0); });
    Ramp(palette, entry, 245, 5, -10, [](int t) { return Of(t, 255, 0); });
    Ramp(palette, entry, 10, 250, 10, [](int t) { return Of(0, 255, t); });
    Ramp(palette, entry, 245, 5, -10, [](int t) { return Of(0, t, 255); });
}

// Schemes 6 and 7: red to yellow in steps of `redStep` up to `lastRedT`,
// then yellow towards white in steps of 2, with entry 255 set to cream as
// the colour of a zero count.
void WriteRedYellowCream(Palette& palette, int redStep, int lastRedT)
{
    int entry = 0;
    Ramp(palette, entry, 0, lastRedT, redStep, [](int t) { return Of(255, t, 0); });
    Ramp(palette, entry, 0, 254, 2, [](int t) { return Of(255, 255, t); });
    SetEntry(palette, 255, 255, 255, 220);
}

} // namespace

const QStringList& SchemeItemTexts()
{
    static const QStringList texts = {
        QStringLiteral("Gri"),  QStringLiteral("Kuq"),  QStringLiteral("Gjelber"),
        QStringLiteral("Blu"),  QStringLiteral("Ngj1"), QStringLiteral("Ngj2"),
        QStringLiteral("Ngj3"), QStringLiteral("Ngj4"),
    };
    return texts;
}

Int16 PrepareScheme(Palette& palette, Int16 scheme)
{
    if (scheme < 4)
        return 255;
    switch (scheme) {
    case 4:
        for (int k = 1; k <= int(kSeventeenColours.size()); ++k) {
            const Rgb& c = kSeventeenColours[std::size_t(k - 1)];
            SetEntry(palette, k, c.red, c.green, c.blue);
        }
        return 16;
    case 5:
        WriteSchemeFive(palette);
        return 100;
    case 6:
        WriteRedYellowCream(palette, 2, 254);
        return 254;
    case 7:
        WriteRedYellowCream(palette, 1, 255);
        return 254;
    default:
        return 100;
    }
}

LevelRatio LevelOf(Int16 paletteLevels, Int16 maxValue, Int16 count)
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

long long ShadeOf(const LevelRatio& ratio)
{
    const long long twice = 2 * ratio.remainder;
    if (twice > ratio.divisor || (twice == ratio.divisor && ratio.quotient % 2 != 0))
        return ratio.quotient + 1;
    return ratio.quotient;
}

int PaletteIndexOf(const LevelRatio& ratio)
{
    const long long k = ratio.quotient + 1;
    return int(k < 0 ? 0 : k > kPaletteSlots - 1 ? kPaletteSlots - 1 : k);
}

std::optional<Colour> CellFillColor(const Palette& palette, Int16 paletteLevels, Int16 maxValue,
                                    Int16 scheme, Int16 count)
{
    if (scheme < 0)
        return std::nullopt;
    const LevelRatio ratio = LevelOf(paletteLevels, maxValue, count);
    if (scheme < 4) {
        // RGB takes anything above 255 as 255, however large the shade.
        const long long s = ShadeOf(ratio);
        switch (scheme) {
        case 0: return RGB(s, s, s);
        case 1: return RGB(255, s, s);
        case 2: return RGB(s, 255, s);
        default: return RGB(s, s, 255);
        }
    }
    return palette.entry(PaletteIndexOf(ratio));
}

} // namespace cellaro

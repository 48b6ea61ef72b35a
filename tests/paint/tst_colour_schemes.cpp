// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The eight colour schemes: the palettes they write, the shade and palette
// index of a count, the end colours for every maximum, ties, and the
// negative counts that reach past a scheme's own entries.

#include "support/core_test_support.h"

#include "paint/colour_schemes.h"

#include <QTest>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

struct Rgb3 {
    int red, green, blue;
};

// Palette entry k as each palette scheme leaves it, in closed form.
Rgb3 SchemeFiveEntry(int k)
{
    if (k <= 26)
        return { 255, 10 * (k - 1), 0 };
    if (k <= 51)
        return { 245 - 10 * (k - 27), 255, 0 };
    if (k <= 76)
        return { 0, 255, 10 * (k - 51) };
    return { 0, 245 - 10 * (k - 77), 255 };
}

Rgb3 SchemeSixEntry(int k)
{
    if (k == 255)
        return { 255, 255, 220 };
    return k <= 128 ? Rgb3 { 255, 2 * (k - 1), 0 } : Rgb3 { 255, 255, 2 * (k - 129) };
}

Rgb3 SchemeSevenEntry(int k)
{
    if (k == 255)
        return { 255, 255, 220 };
    return k <= 256 ? Rgb3 { 255, k - 1, 0 } : Rgb3 { 255, 255, 2 * (k - 257) };
}

Colour ColourOf(Rgb3 c) { return RGB(c.red, c.green, c.blue); }

// A palette as the window has it after the given schemes ran in order.
Palette PaletteAfter(const QList<int>& schemes)
{
    Palette palette;
    for (int scheme : schemes)
        PrepareScheme(palette, Int16(scheme));
    return palette;
}

// The colour of a cell as one painter run computes it: the scheme prepared
// first, on a palette that earlier runs left behind.
Colour CellColour(Palette& palette, int scheme, int maxValue, int count)
{
    const Int16 levels = PrepareScheme(palette, Int16(scheme));
    const std::optional<Colour> colour =
        CellFillColor(palette, levels, Int16(maxValue), Int16(scheme), Int16(count));
    return colour.value_or(0xFFFFFFFFu);
}

Colour ShadeColour(int scheme, int shade)
{
    switch (scheme) {
    case 0: return RGB(shade, shade, shade);
    case 1: return RGB(255, shade, shade);
    case 2: return RGB(shade, 255, shade);
    default: return RGB(shade, shade, 255);
    }
}

} // namespace

class TestColourSchemes : public QObject {
    Q_OBJECT

private slots:
    void paletteLevels_data();
    void paletteLevels();
    void seventeenColours_data();
    void seventeenColours();
    void rampsInClosedForm_data();
    void rampsInClosedForm();
    void rampLandmarks_data();
    void rampLandmarks();
    void entriesOutsideASchemeKeepTheirColour_data();
    void entriesOutsideASchemeKeepTheirColour();
    void defaultListExample_data();
    void defaultListExample();
    void endColoursForEveryMaximum_data();
    void endColoursForEveryMaximum();
    void shadeTies_data();
    void shadeTies();
    void onePaletteEntryPerCount_data();
    void onePaletteEntryPerCount();
    void negativeCounts_data();
    void negativeCounts();
    void indexBeyondThePaletteTakesTheLastEntry_data();
    void indexBeyondThePaletteTakesTheLastEntry();
    void noColourBelowSchemeZero_data();
    void noColourBelowSchemeZero();
    void switchingBackGivesTheSameColours_data();
    void switchingBackGivesTheSameColours();
};

void TestColourSchemes::paletteLevels_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("levels");

    QTest::newRow("no item") << -1 << 255;
    QTest::newRow("Gri") << 0 << 255;
    QTest::newRow("Kuq") << 1 << 255;
    QTest::newRow("Gjelber") << 2 << 255;
    QTest::newRow("Blu") << 3 << 255;
    QTest::newRow("Ngj1") << 4 << 16;
    QTest::newRow("Ngj2") << 5 << 100;
    QTest::newRow("Ngj3") << 6 << 254;
    QTest::newRow("Ngj4") << 7 << 254;
}

void TestColourSchemes::paletteLevels()
{
    QFETCH(int, scheme);
    QFETCH(int, levels);
    Palette palette;
    QCOMPARE(int(PrepareScheme(palette, Int16(scheme))), levels);
}

void TestColourSchemes::seventeenColours_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    const int table[17][3] = {
        { 255, 0, 0 },   { 255, 64, 0 },  { 255, 128, 0 }, { 255, 191, 0 }, { 255, 255, 0 },
        { 191, 255, 0 }, { 128, 255, 0 }, { 64, 255, 0 },  { 0, 255, 0 },   { 0, 255, 64 },
        { 0, 255, 128 }, { 0, 255, 191 }, { 0, 255, 255 }, { 0, 191, 255 }, { 0, 128, 255 },
        { 0, 64, 255 },  { 0, 0, 255 },
    };
    for (int k = 1; k <= 17; ++k)
        QTest::addRow("entry %d", k) << k << table[k - 1][0] << table[k - 1][1] << table[k - 1][2];
}

void TestColourSchemes::seventeenColours()
{
    QFETCH(int, k);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const Palette palette = PaletteAfter({ 4 });
    QCOMPARE(int(palette.PaletteRed[k]), red);
    QCOMPARE(int(palette.PaletteGreen[k]), green);
    QCOMPARE(int(palette.PaletteBlue[k]), blue);
}

void TestColourSchemes::rampsInClosedForm_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("lastEntry");

    QTest::newRow("Ngj2") << 5 << 101;
    QTest::newRow("Ngj3") << 6 << 256;
    QTest::newRow("Ngj4") << 7 << 384;
}

void TestColourSchemes::rampsInClosedForm()
{
    QFETCH(int, scheme);
    QFETCH(int, lastEntry);
    const auto closedForm = scheme == 5 ? SchemeFiveEntry : scheme == 6 ? SchemeSixEntry : SchemeSevenEntry;

    const Palette palette = PaletteAfter({ scheme });
    for (int k = 1; k <= lastEntry; ++k) {
        const Rgb3 expected = closedForm(k);
        QVERIFY2(palette.PaletteRed[k] == expected.red && palette.PaletteGreen[k] == expected.green
                     && palette.PaletteBlue[k] == expected.blue,
                 qPrintable(QStringLiteral("entry %1").arg(k)));
    }
    // Nothing past the scheme's own entries, and never entry 0.
    QCOMPARE(palette.entry(lastEntry + 1), Colour(0));
    QCOMPARE(palette.entry(0), Colour(0));
}

void TestColourSchemes::rampLandmarks_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("k");
    QTest::addColumn<uint>("colour");

    QTest::newRow("Ngj2 entry 26") << 5 << 26 << RGB(255, 250, 0);
    QTest::newRow("Ngj2 entry 27") << 5 << 27 << RGB(245, 255, 0);
    QTest::newRow("Ngj2 entry 101") << 5 << 101 << RGB(0, 5, 255);
    QTest::newRow("Ngj3 entry 254") << 6 << 254 << RGB(255, 255, 250);
    QTest::newRow("Ngj3 entry 255") << 6 << 255 << RGB(255, 255, 220);
    QTest::newRow("Ngj3 entry 256") << 6 << 256 << RGB(255, 255, 254);
    QTest::newRow("Ngj4 entry 254") << 7 << 254 << RGB(255, 253, 0);
    QTest::newRow("Ngj4 entry 255") << 7 << 255 << RGB(255, 255, 220);
    QTest::newRow("Ngj4 entry 256") << 7 << 256 << RGB(255, 255, 0);
    QTest::newRow("Ngj4 entry 384") << 7 << 384 << RGB(255, 255, 254);
}

void TestColourSchemes::rampLandmarks()
{
    QFETCH(int, scheme);
    QFETCH(int, k);
    QFETCH(uint, colour);
    QCOMPARE(PaletteAfter({ scheme }).entry(k), colour);
}

void TestColourSchemes::entriesOutsideASchemeKeepTheirColour_data()
{
    QTest::addColumn<QList<int>>("schemes");
    QTest::addColumn<int>("k");
    QTest::addColumn<uint>("colour");

    QTest::newRow("fresh palette") << QList<int> { 4 } << 18 << 0u;
    QTest::newRow("Ngj2 entry under Ngj1") << QList<int> { 5, 4 } << 18 << ColourOf(SchemeFiveEntry(18));
    QTest::newRow("Ngj1 overwrites its own") << QList<int> { 5, 4 } << 17 << RGB(0, 0, 255);
    QTest::newRow("Ngj4 entry under Ngj3") << QList<int> { 7, 6 } << 300 << ColourOf(SchemeSevenEntry(300));
    QTest::newRow("Ngj3 entry under Ngj2") << QList<int> { 6, 5 } << 150 << ColourOf(SchemeSixEntry(150));
    QTest::newRow("shade schemes write nothing") << QList<int> { 5, 0, 1, 2, 3, -1 } << 33
                                                 << ColourOf(SchemeFiveEntry(33));
    QTest::newRow("entry 0 after every scheme") << QList<int> { 4, 5, 6, 7 } << 0 << 0u;
}

void TestColourSchemes::entriesOutsideASchemeKeepTheirColour()
{
    QFETCH(QList<int>, schemes);
    QFETCH(int, k);
    QFETCH(uint, colour);
    QCOMPARE(PaletteAfter(schemes).entry(k), colour);
}

void TestColourSchemes::defaultListExample_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("scheme");
    QTest::addColumn<uint>("colour");

    struct Row {
        const char* label;
        int count;
        int shade;
        Colour palette[4]; // schemes 4 to 7
    };
    const Row rows[] = {
        { "e-dieresis", 1377, 0, { RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0) } },
        { "a", 433, 175, { RGB(0, 255, 128), RGB(0, 255, 180), RGB(255, 255, 92), RGB(255, 174, 0) } },
        { "e", 414, 178, { RGB(0, 255, 191), RGB(0, 255, 190), RGB(255, 255, 98), RGB(255, 177, 0) } },
        { "b", 6, 254, { RGB(0, 64, 255), RGB(0, 15, 255), RGB(255, 255, 248), RGB(255, 252, 0) } },
        { "v", 0, 255, { RGB(0, 0, 255), RGB(0, 5, 255), RGB(255, 255, 220), RGB(255, 255, 220) } },
    };
    for (const Row& row : rows) {
        for (int scheme = 0; scheme < 4; ++scheme)
            QTest::addRow("%s scheme %d", row.label, scheme)
                << row.count << scheme << ShadeColour(scheme, row.shade);
        for (int scheme = 4; scheme < 8; ++scheme)
            QTest::addRow("%s scheme %d", row.label, scheme)
                << row.count << scheme << row.palette[scheme - 4];
    }
    QTest::newRow("a in Kuq spelled out") << 433 << 1 << RGB(255, 175, 175);
    QTest::newRow("b in Gri spelled out") << 6 << 0 << RGB(254, 254, 254);
}

void TestColourSchemes::defaultListExample()
{
    QFETCH(int, count);
    QFETCH(int, scheme);
    QFETCH(uint, colour);
    Palette palette;
    QCOMPARE(CellColour(palette, scheme, 1377, count), colour);
}

void TestColourSchemes::endColoursForEveryMaximum_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<uint>("hottest");
    QTest::addColumn<uint>("coldest");
    QTest::addColumn<int>("coldestEntry");

    const Colour white = RGB(255, 255, 255);
    QTest::newRow("Gri") << 0 << RGB(0, 0, 0) << white << 0;
    QTest::newRow("Kuq") << 1 << RGB(255, 0, 0) << white << 0;
    QTest::newRow("Gjelber") << 2 << RGB(0, 255, 0) << white << 0;
    QTest::newRow("Blu") << 3 << RGB(0, 0, 255) << white << 0;
    QTest::newRow("Ngj1") << 4 << RGB(255, 0, 0) << RGB(0, 0, 255) << 17;
    QTest::newRow("Ngj2") << 5 << RGB(255, 0, 0) << RGB(0, 5, 255) << 101;
    QTest::newRow("Ngj3") << 6 << RGB(255, 0, 0) << RGB(255, 255, 220) << 255;
    QTest::newRow("Ngj4") << 7 << RGB(255, 0, 0) << RGB(255, 255, 220) << 255;
}

void TestColourSchemes::endColoursForEveryMaximum()
{
    QFETCH(int, scheme);
    QFETCH(uint, hottest);
    QFETCH(uint, coldest);
    QFETCH(int, coldestEntry);

    Palette palette;
    const Int16 levels = PrepareScheme(palette, Int16(scheme));
    const Int16 s = Int16(scheme);
    for (int m = 1; m <= 32767; ++m) {
        const Int16 maxValue = Int16(m);
        const bool hot = CellFillColor(palette, levels, maxValue, s, maxValue) == hottest;
        const bool cold = CellFillColor(palette, levels, maxValue, s, 0) == coldest;
        if (!hot || !cold)
            QFAIL(qPrintable(QStringLiteral("MaxValue %1: %2 end wrong").arg(m).arg(hot ? "cold" : "hot")));
        const LevelRatio top = LevelOf(levels, maxValue, maxValue);
        const LevelRatio zero = LevelOf(levels, maxValue, 0);
        if (scheme < 4 ? ShadeOf(top) != 0 || ShadeOf(zero) != 255
                       : PaletteIndexOf(top) != 1 || PaletteIndexOf(zero) != coldestEntry)
            QFAIL(qPrintable(QStringLiteral("MaxValue %1: wrong shade or entry").arg(m)));
    }
}

void TestColourSchemes::shadeTies_data()
{
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shade");

    QTest::newRow("127.5 to 128") << 2 << 1 << 128;
    QTest::newRow("178.5 to 178") << 10 << 3 << 178;
    QTest::newRow("229.5 to 230") << 10 << 1 << 230;
    QTest::newRow("174.81 to 175") << 1377 << 433 << 175;
    QTest::newRow("253.89 to 254") << 1377 << 6 << 254;
    QTest::newRow("negative count 510") << 10 << -10 << 510;
    QTest::newRow("far below zero 32895") << 1 << -128 << 32895;
}

void TestColourSchemes::shadeTies()
{
    QFETCH(int, maxValue);
    QFETCH(int, count);
    QFETCH(int, shade);
    QCOMPARE(ShadeOf(LevelOf(255, Int16(maxValue), Int16(count))), (long long)shade);
    Palette palette;
    QCOMPARE(CellColour(palette, 0, maxValue, count), RGB(shade, shade, shade));
}

void TestColourSchemes::onePaletteEntryPerCount_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("entryStep"); // entries between neighbouring counts

    QTest::newRow("Ngj1 with 16") << 4 << 16 << 1;
    QTest::newRow("Ngj2 with 100") << 5 << 100 << 1;
    QTest::newRow("Ngj3 with 254") << 6 << 254 << 1;
    QTest::newRow("Ngj4 with 254") << 7 << 254 << 1;
    QTest::newRow("Ngj2 with 10 skips entries") << 5 << 10 << 10;
    QTest::newRow("Ngj1 with 1") << 4 << 1 << 16;
}

void TestColourSchemes::onePaletteEntryPerCount()
{
    QFETCH(int, scheme);
    QFETCH(int, maxValue);
    QFETCH(int, entryStep);

    Palette palette;
    const Int16 levels = PrepareScheme(palette, Int16(scheme));
    for (int count = 0; count <= maxValue; ++count) {
        const int entry = 1 + (maxValue - count) * entryStep;
        QCOMPARE(PaletteIndexOf(LevelOf(levels, Int16(maxValue), Int16(count))), entry);
        QCOMPARE(CellFillColor(palette, levels, Int16(maxValue), Int16(scheme), Int16(count)),
                 std::optional<Colour>(palette.entry(entry)));
    }
}

void TestColourSchemes::negativeCounts_data()
{
    QTest::addColumn<QList<int>>("earlierSchemes");
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("count");
    QTest::addColumn<uint>("colour");

    const Colour white = RGB(255, 255, 255);
    QTest::newRow("Ngj1 entry 33 before any palette") << QList<int> {} << 4 << 10 << -10 << RGB(0, 0, 0);
    QTest::newRow("Ngj1 entry 33 after Ngj2") << QList<int> { 5 } << 4 << 10 << -10 << RGB(185, 255, 0);
    QTest::newRow("Ngj3 entry 256") << QList<int> {} << 6 << 254 << -1 << RGB(255, 255, 254);
    QTest::newRow("Ngj4 entry 256") << QList<int> {} << 7 << 254 << -1 << RGB(255, 255, 0);
    QTest::newRow("Ngj4 entry 384") << QList<int> {} << 7 << 254 << -129 << RGB(255, 255, 254);
    QTest::newRow("Gri shade 510") << QList<int> {} << 0 << 10 << -10 << white;
    QTest::newRow("Kuq shade 510") << QList<int> {} << 1 << 10 << -10 << white;
    QTest::newRow("Gjelber shade 510") << QList<int> {} << 2 << 10 << -10 << white;
    QTest::newRow("Blu shade 510") << QList<int> {} << 3 << 10 << -10 << white;
    // Shades beyond 16 bits draw like any shade above 255.
    QTest::newRow("Gri shade 32895") << QList<int> {} << 0 << 1 << -128 << white;
    QTest::newRow("Kuq at the 16-bit minimum") << QList<int> {} << 1 << 1 << -32768 << white;
    QTest::newRow("Blu at the 16-bit minimum") << QList<int> {} << 3 << 32767 << -32768 << white;
}

void TestColourSchemes::negativeCounts()
{
    QFETCH(QList<int>, earlierSchemes);
    QFETCH(int, scheme);
    QFETCH(int, maxValue);
    QFETCH(int, count);
    QFETCH(uint, colour);
    Palette palette = PaletteAfter(earlierSchemes);
    QCOMPARE(CellColour(palette, scheme, maxValue, count), colour);
}

void TestColourSchemes::indexBeyondThePaletteTakesTheLastEntry_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("entry");

    QTest::newRow("Ngj1 count -61 stays inside") << 4 << 1 << -61 << 993;
    QTest::newRow("Ngj1 count -62, index 1009") << 4 << 1 << -62 << 1000;
    QTest::newRow("Ngj2 count -9") << 5 << 1 << -9 << 1000;
    QTest::newRow("Ngj3 at the 16-bit minimum") << 6 << 1 << -32768 << 1000;
    QTest::newRow("Ngj4 at the 16-bit minimum") << 7 << 100 << -32768 << 1000;
}

void TestColourSchemes::indexBeyondThePaletteTakesTheLastEntry()
{
    QFETCH(int, scheme);
    QFETCH(int, maxValue);
    QFETCH(int, count);
    QFETCH(int, entry);

    // No scheme writes entries this high; mark the expected one and its
    // neighbours so that the lookup shows which entry it used.
    Palette palette;
    for (int k : { entry - 1, entry, entry + 1 }) {
        if (k < 0 || k >= kPaletteSlots)
            continue;
        palette.PaletteRed[k] = Int16(k % 256);
        palette.PaletteGreen[k] = Int16(k / 256);
        palette.PaletteBlue[k] = 7;
    }
    QCOMPARE(CellColour(palette, scheme, maxValue, count), RGB(entry % 256, entry / 256, 7));
}

void TestColourSchemes::noColourBelowSchemeZero_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("count");

    QTest::newRow("no item, hottest") << -1 << 10;
    QTest::newRow("no item, zero") << -1 << 0;
    QTest::newRow("no item, negative") << -1 << -10;
    QTest::newRow("below -1") << -2 << 5;
}

void TestColourSchemes::noColourBelowSchemeZero()
{
    QFETCH(int, scheme);
    QFETCH(int, count);
    Palette palette = PaletteAfter({ 5 });
    const Palette before = palette;
    const Int16 levels = PrepareScheme(palette, Int16(scheme));
    QCOMPARE(CellFillColor(palette, levels, 10, Int16(scheme), Int16(count)), std::optional<Colour>());
    QVERIFY(palette.PaletteRed == before.PaletteRed && palette.PaletteGreen == before.PaletteGreen
            && palette.PaletteBlue == before.PaletteBlue);
}

void TestColourSchemes::switchingBackGivesTheSameColours_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("maxValue");

    for (int scheme = 0; scheme < kSchemeCount; ++scheme)
        QTest::addRow("scheme %d", scheme) << scheme << 37;
}

void TestColourSchemes::switchingBackGivesTheSameColours()
{
    QFETCH(int, scheme);
    QFETCH(int, maxValue);

    Palette palette;
    QList<Colour> first;
    for (int count = 0; count <= maxValue; ++count)
        first.append(CellColour(palette, scheme, maxValue, count));
    for (int other = kSchemeCount - 1; other >= 0; --other)
        PrepareScheme(palette, Int16(other));
    QList<Colour> again;
    for (int count = 0; count <= maxValue; ++count)
        again.append(CellColour(palette, scheme, maxValue, count));
    QCOMPARE(again, first);
}

QTEST_GUILESS_MAIN(TestColourSchemes)
#include "tst_colour_schemes.moc"

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile list and threshold texts through the Show action and the painter
// on the recording surface. Every row states what the table must hold and
// how many boxes and texts the picture has, or which error names which
// line; a rejected list must leave the table and the surface untouched.
//
// Each row starts from the default list already shown, so "unchanged" and
// "slots above EntryCount keep their content" are checked against a full
// table rather than an empty one.

#include "support/core_test_support.h"
#include "entries/default_list.h"
#include "paint/grid_painter.h"
#include "surface/recording_surface.h"

#include <QTest>

using namespace cellaro;

namespace {

constexpr int kNoError = -1;
constexpr int kFiveMegabytes = 5 * 1024 * 1024;

// A threshold low enough to let every finite 16-bit count in.
const QString kAcceptAll = QStringLiteral("-1e9");

// Eight lines whose counts span the 16-bit range: a -32768, b -3, c -1,
// d 0, e 0 (read as 0.5), f 3, g 16, h 32767.
const QString kSpanList = QStringLiteral("a,-32768\nb,-3\nc,-1\nd,0\ne,0.5\nf,3\ng,16\nh,32767\n");

QString Lines(const QString& line, int times) { return line.repeated(times); }

// One accepted row. Boxes are drawn only when MaxValue >= 1; texts only up
// to 121 entries, three per box, two when the total is 0.
void Accepted(const char* name, const QString& list, const QString& threshold,
              const QStringList& labels, const QList<int>& values, int maxValue, int totalValue,
              int boxes, int prints)
{
    QTest::newRow(name) << list << threshold << kNoError << 0 << labels << values << maxValue
                        << totalValue << boxes << prints;
}

void Rejected(const char* name, const QString& list, const QString& threshold, ShowError::Kind kind,
              int line)
{
    QTest::newRow(name) << list << threshold << int(kind) << line << QStringList() << QList<int>()
                        << 0 << 0 << 0 << 0;
}

void Nothing(const char* name, const QString& list, const QString& threshold)
{
    Accepted(name, list, threshold, {}, {}, 0, 0, 0, 0);
}

bool SameTable(const EntryTable& a, const EntryTable& b)
{
    return a.EntryCount == b.EntryCount && a.MaxValue == b.MaxValue
        && a.TotalValue == b.TotalValue && a.EntryValues == b.EntryValues
        && a.EntryNames == b.EntryNames;
}

QStringList PrintedInColour(const RecordingSurface& surface, Colour colour)
{
    QStringList texts;
    for (const DrawOp& op : surface.texts())
        if (op.colour == colour)
            texts.append(op.text);
    return texts;
}

} // namespace

class TestHostileInputs : public QObject {
    Q_OBJECT

private slots:
    void show_data();
    void show();
    void extremeColours_data();
    void extremeColours();
};

void TestHostileInputs::show_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<int>("error"); // ShowError::Kind or kNoError
    QTest::addColumn<int>("errorLine");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("totalValue");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("prints");

    // Line ends.
    Nothing("empty text", QString(), "0");
    Nothing("no line feed", "a,5", "0");
    Nothing("CR-only line ends", "a,5\rb,6\r", "0");
    Accepted("CR LF line ends", "a,5\r\nb,6\r\n", "0", { "a", "b" }, { 5, 6 }, 6, 11, 2, 6);
    Accepted("LF CR line ends", "a,5\n\rb,6\n\r", "0", { "a", "b" }, { 5, 6 }, 6, 11, 2, 6);

    // The 10000-entry limit; the error names the 1-based line of the text.
    Accepted("10000 accepted lines", Lines("x,1\n", 10000), "0", QStringList(10000, "x"),
             QList<int>(10000, 1), 1, 10000, 10000, 0);
    Rejected("10001 accepted lines", Lines("x,1\n", 10001), "0", ShowError::TooManyEntries, 10001);
    Accepted("10001 lines, the last under the threshold", Lines("x,1\n", 10000) + "x,0\n", "1",
             QStringList(10000, "x"), QList<int>(10000, 1), 1, 10000, 10000, 0);
    Rejected("10001st accepted line after a skipped line", Lines("x,1\n", 10000) + "skipped\nx,1\n",
             "0", ShowError::TooManyEntries, 10002);
    Rejected("10001st accepted line with an overflowing count", Lines("x,1\n", 10000) + "x,40000\n",
             "0", ShowError::TooManyEntries, 10001);

    // Counts of every form, each alone on a line and let in by the threshold.
    Accepted("count 32767", "x,32767\n", kAcceptAll, { "x" }, { 32767 }, 32767, 32767, 1, 3);
    Rejected("count 32767.5 rounds to 32768", "x,32767.5\n", kAcceptAll, ShowError::Overflow, 1);
    Rejected("count 32768", "x,32768\n", kAcceptAll, ShowError::Overflow, 1);
    Accepted("count -32768", "x,-32768\n", kAcceptAll, { "x" }, { -32768 }, 0, -32768, 0, 0);
    Accepted("count -32768.5 rounds to even -32768", "x,-32768.5\n", kAcceptAll, { "x" }, { -32768 },
             0, -32768, 0, 0);
    Rejected("count -32769", "x,-32769\n", kAcceptAll, ShowError::Overflow, 1);
    Rejected("count 40000", "x,40000\n", kAcceptAll, ShowError::Overflow, 1);
    Rejected("count 1e308", "x,1e308\n", kAcceptAll, ShowError::Overflow, 1);
    Rejected("count 1e309 reads as infinity", "x,1e309\n", kAcceptAll, ShowError::Overflow, 1);
    Nothing("count -1e309 is below any threshold", "x,-1e309\n", kAcceptAll);
    Accepted("count nan reads 0", "x,nan\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0, 0);
    Accepted("count inf reads 0", "x,inf\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0, 0);
    Accepted("count infinity reads 0", "x,infinity\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0, 0);
    Accepted("count 0x10 reads its leading 0", "x,0x10\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0, 0);
    Accepted("count 1e reads 1", "x,1e\n", kAcceptAll, { "x" }, { 1 }, 1, 1, 1, 3);
    Accepted("count 1e+ reads 1", "x,1e+\n", kAcceptAll, { "x" }, { 1 }, 1, 1, 1, 3);
    Accepted("count .5 rounds to even 0", "x,.5\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0, 0);
    Accepted("count -.5 rounds to 0", "x,-.5\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0, 0);
    Accepted("count +3", "x,+3\n", kAcceptAll, { "x" }, { 3 }, 3, 3, 1, 3);
    Accepted("count - 3 has no number after the sign", "x,- 3\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0,
             0);
    Accepted("count 1e-400 underflows to 0", "x,1e-400\n", kAcceptAll, { "x" }, { 0 }, 0, 0, 0, 0);
    Accepted("count in full-width digits reads 0", u"x,\uff11\uff12\n"_qs, kAcceptAll, { "x" }, { 0 },
             0, 0, 0, 0);
    Rejected("overflow names its own line", "a,1\nno comma\nc,40000\nd,2\n", "0", ShowError::Overflow,
             3);
    Accepted("overflowing count under the threshold is skipped", "a,-40000\nb,2\n", "0", { "b" }, { 2 },
             2, 2, 1, 3);
    Accepted("overflowing count without a line feed is ignored", "a,1\nb,40000", "0", { "a" }, { 1 },
             1, 1, 1, 3);

    // Thresholds of the same forms over the eight-line span list.
    const QStringList all { "a", "b", "c", "d", "e", "f", "g", "h" };
    const QList<int> allValues { -32768, -3, -1, 0, 0, 3, 16, 32767 };
    const QStringList fromZero { "d", "e", "f", "g", "h" };
    const QList<int> fromZeroValues { 0, 0, 3, 16, 32767 };
    const QStringList fromOne { "f", "g", "h" };
    const QList<int> fromOneValues { 3, 16, 32767 };
    Accepted("threshold 32767", kSpanList, "32767", { "h" }, { 32767 }, 32767, 32767, 1, 3);
    Nothing("threshold 32767.5", kSpanList, "32767.5");
    Nothing("threshold 32768", kSpanList, "32768");
    Accepted("threshold -32768", kSpanList, "-32768", all, allValues, 32767, 14, 8, 24);
    Accepted("threshold -32768.5", kSpanList, "-32768.5", all, allValues, 32767, 14, 8, 24);
    Accepted("threshold -32769", kSpanList, "-32769", all, allValues, 32767, 14, 8, 24);
    Nothing("threshold 40000", kSpanList, "40000");
    Nothing("threshold 1e308", kSpanList, "1e308");
    Nothing("threshold 1e309", kSpanList, "1e309");
    Accepted("threshold -1e309", kSpanList, "-1e309", all, allValues, 32767, 14, 8, 24);
    for (const char* zero : { "nan", "inf", "infinity", "0x10", "- 3", "", "   " })
        Accepted(qPrintable(QStringLiteral("threshold \"%1\" reads 0").arg(zero)), kSpanList, zero,
                 fromZero, fromZeroValues, 32767, 32786, 5, 15);
    Accepted("threshold 1e", kSpanList, "1e", fromOne, fromOneValues, 32767, 32786, 3, 9);
    Accepted("threshold 1e+", kSpanList, "1e+", fromOne, fromOneValues, 32767, 32786, 3, 9);
    Accepted("threshold +3", kSpanList, "+3", fromOne, fromOneValues, 32767, 32786, 3, 9);
    Accepted("threshold .5 compares before rounding", kSpanList, ".5", { "e", "f", "g", "h" },
             { 0, 3, 16, 32767 }, 32767, 32786, 4, 12);
    Accepted("threshold -.5", kSpanList, "-.5", fromZero, fromZeroValues, 32767, 32786, 5, 15);
    Accepted("threshold with blanks around", kSpanList, " 16 ", { "g", "h" }, { 16, 32767 }, 32767,
             32783, 2, 6);

    // Labels and characters.
    const QString longLabel(10000, u'L');
    Accepted("10000-character label", longLabel + ",7\n", "0", { longLabel }, { 7 }, 7, 7, 1, 3);
    const QString controls = QStringLiteral("a") + QChar(0) + u'b' + QChar(7) + ",1" + QChar(11)
        + "2\n" + QChar(14) + ",5\n\tc\r,3\n" + QChar(127) + ",4\n";
    Accepted("NUL and other control characters", controls, "0",
             { "ab", QString(QChar(14)), "c", QString(QChar(127)) }, { 12, 5, 3, 4 }, 12, 24, 4, 12);
    Nothing("only NULs and a line feed", QString(3, QChar(0)) + u'\n', "0");
    const QString surrogates = QString(QChar(0xD800)) + "x,3\ny," + QChar(0xDC00) + "3\n"
        + QChar(0xDFFF) + ",2\n";
    Accepted("lone surrogates", surrogates, "0",
             { QString(QChar(0xD800)) + u'x', "y", QString(QChar(0xDFFF)) }, { 3, 0, 2 }, 3, 5, 3, 9);
    const QString grin = QString::fromUtf8("\xF0\x9F\x98\x80");
    Accepted("4-byte UTF-8", grin + ",4\nz,4" + grin + "\n", "0", { grin, "z" }, { 4, 4 }, 4, 8, 2, 6);
    const QString invalid = QString::fromUtf8("\xFF\xFE");
    Accepted("invalid UTF-8 bytes", invalid + ",5\n", "0", { invalid }, { 5 }, 5, 5, 1, 3);

    // A 5 MB paste.
    Rejected("5 MB of accepted lines", Lines("x,1\n", kFiveMegabytes / 4), "0",
             ShowError::TooManyEntries, 10001);
    Accepted("5 MB of lines under the threshold", Lines("abcdefghi,0\n", kFiveMegabytes / 12) + "z,5\n",
             "1", { "z" }, { 5 }, 5, 5, 1, 3);
    Nothing("5 MB without a line feed", QString(kFiveMegabytes, u'a') + ",1", "0");
    const QString hugeLabel(kFiveMegabytes, u'a');
    Accepted("5 MB label", hugeLabel + ",1\n", "0", { hugeLabel }, { 1 }, 1, 1, 1, 3);

    // Sums and signs.
    Accepted("all counts negative", "a,-1\nb,-5\n", "-10", { "a", "b" }, { -1, -5 }, 0, -6, 0, 0);
    Accepted("all counts zero", "a,0\nb,0\n", "0", { "a", "b" }, { 0, 0 }, 0, 0, 0, 0);
    Accepted("counts summing to 0 with positive MaxValue", "a,5\nb,-5\n", "-10", { "a", "b" },
             { 5, -5 }, 5, 0, 2, 4);
    QStringList pairs;
    QList<int> pairValues;
    for (int i = 0; i < 61; ++i) {
        pairs << "p" << "n";
        pairValues << 1 << -1;
    }
    Accepted("122 counts summing to 0", Lines("p,1\nn,-1\n", 61), "-10", pairs, pairValues, 1, 0, 122,
             0);
}

void TestHostileInputs::show()
{
    QFETCH(QString, list);
    QFETCH(QString, threshold);
    QFETCH(int, error);
    QFETCH(int, errorLine);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, values);
    QFETCH(int, maxValue);
    QFETCH(int, totalValue);
    QFETCH(int, boxes);
    QFETCH(int, prints);

    const FormState before = testing::ShownDefaultList();
    FormState form = before;
    RecordingSurface surface;
    const QString listBefore = list;
    const std::optional<ShowError> outcome = ShowList(form, ShowInputs { list, threshold }, 0, surface);
    QCOMPARE(list, listBefore);

    if (error != kNoError) {
        QVERIFY(outcome.has_value());
        QCOMPARE(int(outcome->kind), error);
        QCOMPARE(outcome->line, errorLine);
        QVERIFY(DescribeShowError(*outcome).contains(QString::number(errorLine)));
        QVERIFY(SameTable(form.entries, before.entries));
        QVERIFY(surface.ops().isEmpty());
        return;
    }

    QVERIFY(!outcome.has_value());
    const EntryTable& table = form.entries;
    QCOMPARE(int(table.EntryCount), int(labels.size()));
    for (int i = 1; i <= table.EntryCount; ++i) {
        QCOMPARE(table.EntryNames[std::size_t(i)], labels[i - 1]);
        QCOMPARE(int(table.EntryValues[std::size_t(i)]), values[i - 1]);
    }
    QCOMPARE(int(table.MaxValue), maxValue);
    QCOMPARE(int(table.TotalValue), totalValue);
    // Slots above the new count keep what the default list left there.
    for (int i = table.EntryCount + 1; i <= before.entries.EntryCount; ++i) {
        QCOMPARE(table.EntryNames[std::size_t(i)], before.entries.EntryNames[std::size_t(i)]);
        QCOMPARE(table.EntryValues[std::size_t(i)], before.entries.EntryValues[std::size_t(i)]);
    }

    // The surface is cleared exactly when something was accepted.
    QCOMPARE(int(surface.opsOfKind(DrawOp::Cls).size()), table.EntryCount > 0 ? 1 : 0);
    if (table.EntryCount > 0)
        QCOMPARE(surface.ops().first().kind, DrawOp::Cls);
    QCOMPARE(int(surface.boxes().size()), boxes);
    QCOMPARE(int(surface.texts().size()), prints);
    if (prints > 0)
        QCOMPARE(PrintedInColour(surface, kLabelColour), labels);
}

// Counts far below zero and scheme indexes outside 0..7 must still give a
// colour: a shade beyond 255 (even beyond 32767) is white in the shade
// schemes, a palette index beyond 1000 takes entry 1000, an unknown scheme
// index of 8 or more reads the palette with 100 levels, and a negative one
// leaves the surface's fill colour as it was.
void TestHostileInputs::extremeColours_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<int>("count");
    QTest::addColumn<Colour>("fill");

    const Colour white = RGB(255, 255, 255);
    const Colour entry1000 = RGB(1, 2, 3);   // written only by the test
    const Colour entry993 = RGB(4, 5, 6);    // written only by the test
    const Colour entry1 = RGB(7, 8, 9);      // until a palette scheme rewrites it
    const Colour surfaceFill = RGB(10, 11, 12);

    QTest::newRow("grey, shade 255 * 32769") << 0 << 1 << -32768 << white;
    QTest::newRow("red, shade 255 * 32769") << 1 << 1 << -32768 << white;
    QTest::newRow("green, MaxValue 32767, count -32768") << 2 << 32767 << -32768 << white;
    QTest::newRow("blue, shade 510") << 3 << 10 << -10 << white;
    QTest::newRow("17 entries, index 993 is still inside") << 4 << 1 << -61 << entry993;
    QTest::newRow("17 entries, index 1009 takes entry 1000") << 4 << 1 << -62 << entry1000;
    QTest::newRow("101 entries, count -32768") << 5 << 1 << -32768 << entry1000;
    QTest::newRow("red to cream, count -32768") << 6 << 1 << -32768 << entry1000;
    QTest::newRow("red to yellow, count -32768") << 7 << 1 << -32768 << entry1000;
    QTest::newRow("scheme 8 writes nothing, count = MaxValue") << 8 << 5 << 5 << entry1;
    QTest::newRow("scheme 8, count 0 takes entry 101") << 8 << 1 << 0 << Colour(0);
    QTest::newRow("scheme 32767, count -32768") << 32767 << 1 << -32768 << entry1000;
    QTest::newRow("scheme -1 keeps the fill colour") << -1 << 1 << -32768 << surfaceFill;
    QTest::newRow("scheme -32768 keeps the fill colour") << -32768 << 32767 << 32767 << surfaceFill;
}

void TestHostileInputs::extremeColours()
{
    QFETCH(int, scheme);
    QFETCH(int, maxValue);
    QFETCH(int, count);
    QFETCH(Colour, fill);

    FormState form;
    form.grid.MarginX = 225;
    form.grid.MarginY = 225;
    Palette& palette = form.palette;
    palette.PaletteRed[1000] = 1, palette.PaletteGreen[1000] = 2, palette.PaletteBlue[1000] = 3;
    palette.PaletteRed[993] = 4, palette.PaletteGreen[993] = 5, palette.PaletteBlue[993] = 6;
    palette.PaletteRed[1] = 7, palette.PaletteGreen[1] = 8, palette.PaletteBlue[1] = 9;

    RecordingSurface surface;
    surface.SetFillColor(RGB(10, 11, 12));
    surface.clearLog();
    const QString list = QStringLiteral("max,%1\ncell,%2\n").arg(maxValue).arg(count);
    const std::optional<ShowError> outcome
        = ShowList(form, ShowInputs { list, kAcceptAll }, Int16(scheme), surface);

    QVERIFY(!outcome.has_value());
    QCOMPARE(int(form.entries.MaxValue), maxValue);
    const QList<DrawOp> boxes = surface.boxes();
    QCOMPARE(int(boxes.size()), 2);
    QCOMPARE(boxes[1].fill, fill);
}

QTEST_GUILESS_MAIN(TestHostileInputs)
#include "tst_hostile_inputs.moc"

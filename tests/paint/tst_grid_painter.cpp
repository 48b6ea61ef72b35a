// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The grid painter on the recording surface: cell sizes, box corners and
// text positions of the reference layouts, the exact operations of a cell,
// outline colours, texts and header letters by table size, the percentage
// texts in several locales, and the tables that draw nothing; and that the
// grid in words (paint/cell_names.h) says what the boxes print, where they
// stand.

#include "support/core_test_support.h"

#include "entries/default_list.h"
#include "paint/cell_names.h"
#include "paint/grid_painter.h"
#include "paint/header_letters.h"

#include <QTest>

#include <set>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

constexpr Colour kTeal = RGB(0, 64, 64);
constexpr Colour kYellow = RGB(255, 255, 0);
constexpr Colour kOrange = RGB(255, 128, 0);

struct PaintRun {
    FormState form;
    RecordingSurface surface;

    explicit PaintRun(FormState table) : form(std::move(table)) {}

    const QList<DrawOp>& paint(int scheme = 0)
    {
        surface.clearLog();
        PaintGrid(form, Int16(scheme), surface);
        return surface.ops();
    }
};

FormState DefaultTable() { return FormFromList(DefaultListText(), QStringLiteral("0")); }

DrawOp SetOp(DrawOp::Kind kind, Colour colour)
{
    DrawOp op;
    op.kind = kind;
    op.colour = colour;
    return op;
}

DrawOp PositionOp(DrawOp::Kind kind, float at)
{
    DrawOp op;
    op.kind = kind;
    (kind == DrawOp::SetCurrentX ? op.x1 : op.y1) = at;
    return op;
}

DrawOp StyleOp(BoxFill style)
{
    DrawOp op;
    op.kind = DrawOp::SetFillStyle;
    op.fillStyle = style;
    return op;
}

DrawOp BoxOp(float x1, float y1, float x2, float y2, Colour outline, Colour fill)
{
    DrawOp op;
    op.kind = DrawOp::Box;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.colour = outline;
    op.fill = fill;
    op.fillStyle = BoxFill::Solid;
    return op;
}

// A text as the painter places it: colour, then X, then Y, then the text.
QList<DrawOp> TextOps(Colour colour, float x, float y, const QString& text)
{
    DrawOp print = SetOp(DrawOp::Print, colour);
    print.x1 = x;
    print.y1 = y;
    print.text = text;
    return { SetOp(DrawOp::SetForeColor, colour), PositionOp(DrawOp::SetCurrentX, x),
             PositionOp(DrawOp::SetCurrentY, y), print };
}

// The operations of each cell: every cell starts where its fill colour is set.
QList<QList<DrawOp>> CellsOf(const QList<DrawOp>& ops)
{
    QList<QList<DrawOp>> cells;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::SetFillColor)
            cells.append(QList<DrawOp> {});
        if (!cells.isEmpty())
            cells.last().append(op);
    }
    return cells;
}

qsizetype DistinctCount(const QList<DrawOp>& boxes, float DrawOp::*coordinate)
{
    std::set<float> values;
    for (const DrawOp& box : boxes)
        values.insert(box.*coordinate);
    return qsizetype(values.size());
}

} // namespace

class TestGridPainter : public QObject {
    Q_OBJECT

private slots:
    void cellSizeByTableSize_data();
    void cellSizeByTableSize();
    void gridSideIsTheSmallestSquareThatHoldsTheTable();
    void layout_data();
    void layout();
    void defaultListCells_data();
    void defaultListCells();
    void oneEntryDrawsExactlyOneCell();
    void operationsOfTheFirstCell_data();
    void operationsOfTheFirstCell();
    void outlines_data();
    void outlines();
    void textsAndHeadersByTableSize_data();
    void textsAndHeadersByTableSize();
    void letterMatrixHeaders_data();
    void letterMatrixHeaders();
    void letterMatrixComesBeforeTheBoxes();
    void headerLetterTexts_data();
    void headerLetterTexts();
    void countAndShareTexts_data();
    void countAndShareTexts();
    void zeroTotalLeavesOutOnlyTheShares_data();
    void zeroTotalLeavesOutOnlyTheShares();
    void nothingDrawn_data();
    void nothingDrawn();
    void boxFillsFollowTheScheme_data();
    void boxFillsFollowTheScheme();
    void noSchemeKeepsTheSurfaceFillColour_data();
    void noSchemeKeepsTheSurfaceFillColour();
    void repaintDrawsTheIdenticalPicture_data();
    void repaintDrawsTheIdenticalPicture();
};

void TestGridPainter::cellSizeByTableSize_data()
{
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("gridSide");
    QTest::addColumn<int>("cellSize");

    const int rows[][4] = {
        { 1, 1, 1, 600 },        { 2, 4, 2, 300 },        { 5, 9, 3, 200 },
        { 10, 16, 4, 150 },      { 17, 25, 5, 120 },      { 26, 36, 6, 100 },
        { 37, 49, 7, 86 },       { 82, 100, 10, 60 },     { 101, 121, 11, 55 },
        { 122, 144, 12, 50 },    { 226, 256, 16, 38 },    { 1226, 1296, 36, 17 },
        { 2210, 2304, 48, 12 },  { 6242, 6400, 80, 8 },   { 9802, 10000, 100, 6 },
    };
    for (const auto& row : rows)
        for (int entryCount : { row[0], row[1] })
            QTest::addRow("%d entries", entryCount) << entryCount << row[2] << row[3];
}

void TestGridPainter::cellSizeByTableSize()
{
    QFETCH(int, entryCount);
    QFETCH(int, gridSide);
    QFETCH(int, cellSize);

    PaintRun run(FormWithCounts(Repeated(entryCount, 1)));
    run.paint();
    QCOMPARE(int(run.form.grid.CellWidth), cellSize);
    QCOMPARE(int(run.form.grid.CellHeight), cellSize);
    const QList<DrawOp> boxes = run.surface.boxes();
    QCOMPARE(boxes.size(), entryCount);
    QCOMPARE(DistinctCount(boxes, &DrawOp::x1), gridSide);
    QCOMPARE(DistinctCount(boxes, &DrawOp::y1), (entryCount + gridSide - 1) / gridSide);
}

void TestGridPainter::gridSideIsTheSmallestSquareThatHoldsTheTable()
{
    for (int entryCount = 1; entryCount <= kMaxEntries; ++entryCount) {
        const int side = int(GridSideFor(entryCount));
        if (side * side < entryCount || (side - 1) * (side - 1) >= entryCount)
            QFAIL(qPrintable(QStringLiteral("%1 entries: side %2").arg(entryCount).arg(side)));
    }
}

void TestGridPainter::layout_data()
{
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("lastRowCells");
    QTest::addColumn<int>("cellSize");

    QTest::newRow("1") << 1 << 1 << 1 << 1 << 600;
    QTest::newRow("36") << 36 << 6 << 6 << 6 << 100;
    QTest::newRow("37") << 37 << 7 << 6 << 2 << 86;
    QTest::newRow("100") << 100 << 10 << 10 << 10 << 60;
    QTest::newRow("101") << 101 << 11 << 10 << 2 << 55;
    QTest::newRow("121") << 121 << 11 << 11 << 11 << 55;
    QTest::newRow("122") << 122 << 12 << 11 << 2 << 50;
    QTest::newRow("1296") << 1296 << 36 << 36 << 36 << 17;
    QTest::newRow("1297") << 1297 << 37 << 36 << 2 << 16;
}

void TestGridPainter::layout()
{
    QFETCH(int, entryCount);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, lastRowCells);
    QFETCH(int, cellSize);

    PaintRun run(FormWithCounts(RisingCounts(entryCount)));
    run.paint();
    const QList<DrawOp> boxes = run.surface.boxes();
    QCOMPARE(boxes.size(), entryCount);
    const int pitch = 15 * cellSize;
    for (int o = 1; o <= entryCount; ++o) {
        const int column = (o - 1) % columns + 1;
        const int row = (o - 1) / columns + 1;
        QVERIFY(row <= rows);
        const float x0 = kWindowMargin + (column - 1) * pitch;
        const float y0 = kWindowMargin + (row - 1) * pitch;
        const DrawOp& box = boxes[o - 1];
        QVERIFY2(box.x1 == x0 + 75 && box.y1 == y0 + 75 && box.x2 == x0 + pitch + 60
                     && box.y2 == y0 + pitch + 60,
                 qPrintable(QStringLiteral("cell %1: %2").arg(o).arg(Describe(box))));
    }
    QCOMPARE(DistinctCount(boxes, &DrawOp::y1), rows);
    const float lastRowTop = boxes.last().y1;
    const auto inLastRow = std::count_if(boxes.cbegin(), boxes.cend(),
                                         [&](const DrawOp& box) { return box.y1 == lastRowTop; });
    QCOMPARE(int(inLastRow), lastRowCells);
    // A box ends one pixel (15 twips) before its right-hand neighbour starts.
    if (columns > 1)
        QCOMPARE(boxes[1].x1 - boxes[0].x2, 15.0f);
}

void TestGridPainter::defaultListCells_data()
{
    QTest::addColumn<int>("o");
    QTest::addColumn<QRectF>("box"); // first corner and second corner
    QTest::addColumn<QPointF>("labelAt");
    QTest::addColumn<QStringList>("texts");

    auto corners = [](qreal x1, qreal y1, qreal x2, qreal y2) {
        return QRectF(QPointF(x1, y1), QPointF(x2, y2));
    };
    QTest::newRow("a") << 1 << corners(300, 300, 1785, 1785) << QPointF(330, 330)
                       << QStringList { "a", "433", "9.08%" };
    QTest::newRow("b") << 2 << corners(1800, 300, 3285, 1785) << QPointF(1830, 330)
                       << QStringList { "b", "6", "0.13%" };
    QTest::newRow("e") << 7 << corners(300, 1800, 1785, 3285) << QPointF(330, 1830)
                       << QStringList { "e", "414", "8.68%" };
    QTest::newRow("e-dieresis") << 8 << corners(1800, 1800, 3285, 3285) << QPointF(1830, 1830)
                                << QStringList { u"\u00eb"_qs, "1377", "28.86%" };
    QTest::newRow("zh") << 36 << corners(7800, 7800, 9285, 9285) << QPointF(7830, 7830)
                        << QStringList { "zh", "0", "0.00%" };
}

void TestGridPainter::defaultListCells()
{
    QFETCH(int, o);
    QFETCH(QRectF, box);
    QFETCH(QPointF, labelAt);
    QFETCH(QStringList, texts);

    LocaleScope us(UsEnglish());
    PaintRun run(DefaultTable());
    run.paint();
    QCOMPARE(int(run.form.grid.CellWidth), 100);
    const DrawOp drawn = run.surface.boxes().at(o - 1);
    QCOMPARE(QRectF(QPointF(drawn.x1, drawn.y1), QPointF(drawn.x2, drawn.y2)), box);
    QCOMPARE(drawn.colour, kTeal);

    const QList<DrawOp> prints = run.surface.texts().mid(3 * (o - 1), 3);
    const qreal lineOffsets[] = { 0, 180, 360 }; // label, count and share rows
    const Colour colours[] = { kYellow, kOrange, kOrange };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(prints[i].text, texts[i]);
        QCOMPARE(QPointF(prints[i].x1, prints[i].y1), labelAt + QPointF(0, lineOffsets[i]));
        QCOMPARE(prints[i].colour, colours[i]);
    }
}

void TestGridPainter::oneEntryDrawsExactlyOneCell()
{
    LocaleScope us(UsEnglish());
    PaintRun run(FormWithCounts({ 7 }));
    const QList<DrawOp> ops = run.paint();

    // Count 7 of a maximum of 7 is the hottest grey: black.
    QList<DrawOp> expected { SetOp(DrawOp::SetFillColor, RGB(0, 0, 0)), StyleOp(BoxFill::Solid),
                             BoxOp(300, 300, 9285, 9285, kTeal, RGB(0, 0, 0)) };
    expected += TextOps(kYellow, 330, 330, QStringLiteral("n1"));
    expected += TextOps(kOrange, 330, 510, QStringLiteral("7"));
    expected += TextOps(kOrange, 330, 690, QStringLiteral("100.00%"));
    const QString difference = FirstDifference(ops, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(int(run.form.grid.CellWidth), 600);
    QCOMPARE(run.surface.FillStyle(), BoxFill::Solid);
}

void TestGridPainter::operationsOfTheFirstCell_data()
{
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<QStringList>("kinds");

    const QStringList text { "SetForeColor", "SetCurrentX", "SetCurrentY", "Print" };
    const QStringList teal { "SetFillColor", "SetFillStyle", "Box" };
    const QStringList ownColour { "SetFillColor", "ReadFillColor", "SetFillStyle", "Box" };
    QTest::newRow("36") << 36 << teal + text + text + text;
    QTest::newRow("100") << 100 << teal + text + text + text;
    QTest::newRow("101") << 101 << ownColour + text + text + text;
    QTest::newRow("121") << 121 << ownColour + text + text + text;
    QTest::newRow("122") << 122 << ownColour;
    QTest::newRow("1296") << 1296 << ownColour;
}

void TestGridPainter::operationsOfTheFirstCell()
{
    QFETCH(int, entryCount);
    QFETCH(QStringList, kinds);

    PaintRun run(FormWithCounts(RisingCounts(entryCount)));
    const QList<QList<DrawOp>> cells = CellsOf(run.paint());
    QCOMPARE(cells.size(), entryCount);
    QCOMPARE(KindsOf(cells.first()), kinds);
    QCOMPARE(KindsOf(cells.last()), kinds);
    // The colour read back is the one just set, and it outlines the box.
    if (kinds[1] == u"ReadFillColor") {
        QCOMPARE(cells.first()[1].colour, cells.first()[0].colour);
        QCOMPARE(cells.first()[3].colour, cells.first()[0].colour);
    }
}

void TestGridPainter::outlines_data()
{
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<bool>("teal");

    QTest::newRow("36") << 36 << true;
    QTest::newRow("100") << 100 << true;
    QTest::newRow("101") << 101 << false;
    QTest::newRow("122") << 122 << false;
    QTest::newRow("1296") << 1296 << false;
}

void TestGridPainter::outlines()
{
    QFETCH(int, entryCount);
    QFETCH(bool, teal);

    PaintRun run(FormWithCounts(RisingCounts(entryCount)));
    run.paint(4);
    const QList<DrawOp> boxes = run.surface.boxes();
    QCOMPARE(boxes.size(), entryCount);
    for (const DrawOp& box : boxes) {
        QVERIFY2(box.colour == (teal ? kTeal : box.fill), qPrintable(Describe(box)));
        QCOMPARE(box.fillStyle, BoxFill::Solid);
    }
    // The counts rise, so the boxes do not all share one fill.
    QVERIFY(boxes.first().fill != boxes.last().fill);
}

void TestGridPainter::textsAndHeadersByTableSize_data()
{
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("textsPerCell");
    QTest::addColumn<int>("headerTexts");

    QTest::newRow("1") << 1 << 3 << 0;
    QTest::newRow("37: a last row of 2") << 37 << 3 << 0;
    QTest::newRow("100") << 100 << 3 << 0;
    QTest::newRow("101") << 101 << 3 << 0;
    QTest::newRow("121") << 121 << 3 << 0;
    QTest::newRow("122") << 122 << 0 << 0;
    QTest::newRow("1295") << 1295 << 0 << 0;
    QTest::newRow("1296") << 1296 << 0 << 72;
    QTest::newRow("1297") << 1297 << 0 << 0;
    QTest::newRow("10000") << 10000 << 0 << 0;
}

void TestGridPainter::textsAndHeadersByTableSize()
{
    QFETCH(int, entryCount);
    QFETCH(int, textsPerCell);
    QFETCH(int, headerTexts);

    PaintRun run(FormWithCounts(RisingCounts(entryCount)));
    run.paint();
    const QList<DrawOp> prints = run.surface.texts();
    const QList<DrawOp> boxes = run.surface.boxes();
    QCOMPARE(prints.size(), entryCount * textsPerCell + headerTexts);
    QCOMPARE(boxes.size(), entryCount);

    // In words: a cell per box where the box stands, saying what it prints
    // (label and count where it prints nothing); the header letters.
    const EntryTable& table = run.form.entries;
    const DrawnGrid shown = DrawnGridOf(table);
    QCOMPARE(shown.cells, entryCount);
    QCOMPARE(shown.columns, DistinctCount(boxes, &DrawOp::x1));
    QCOMPARE(shown.rows, DistinctCount(boxes, &DrawOp::y1));
    QStringList headers;
    for (int i = 0; i < headerTexts; i += 2)
        headers.append(prints[i].text);
    QCOMPARE(GridHeaderTexts(table), headers);
    for (int o = 1; o <= entryCount; ++o) {
        const GridCell cell = CellOfEntry(shown, o);
        QCOMPARE(EntryAtCell(shown, cell), o);
        const CellBox box = CellBoxAt(run.form.grid, cell.column, cell.row);
        QCOMPARE(QPointF(boxes[o - 1].x1, boxes[o - 1].y1), QPointF(box.first.x, box.first.y));
        QStringList said { QStringLiteral("n%1").arg(o), QString::number(o) };
        if (textsPerCell > 0) {
            said.clear();
            for (int t = 0; t < textsPerCell; ++t)
                said.append(prints[headerTexts + textsPerCell * (o - 1) + t].text);
        }
        QCOMPARE(CellName(table, o), said.join(u", "));
    }
    const bool lastRowFull = entryCount % shown.columns == 0;
    QCOMPARE(EntryAtCell(shown, GridCell { shown.columns, shown.rows }), lastRowFull ? entryCount : 0);
    QCOMPARE(EntryAtCell(shown, GridCell { shown.columns + 1, 1 }), 0);
}

void TestGridPainter::letterMatrixHeaders_data()
{
    QTest::addColumn<int>("o");
    QTest::addColumn<QString>("text");

    const QStringList printed { "a",  "b", "c", u"\u00e7"_qs, "d", "dh", "e", u"\u00eb"_qs, "f",
                                "g",  "gj", "h", "i", "j", "k", "l", "ll", "m",
                                "n",  "nj", "o", "p", "q", "r", "rr", "s", "sh",
                                "t",  "th", "u", "v", "x", "xh", "y", "z", "zh" };
    for (int o = 1; o <= printed.size(); ++o)
        QTest::addRow("letter %d", o) << o << printed[o - 1];
}

void TestGridPainter::letterMatrixHeaders()
{
    QFETCH(int, o);
    QFETCH(QString, text);

    PaintRun run(FormWithCounts(RisingCounts(1296)));
    run.paint();
    QCOMPARE(int(run.form.grid.CellWidth), 17);
    const QList<DrawOp> prints = run.surface.texts();
    QCOMPARE(prints.size(), 72);
    // Column letter o, then row letter o; both black.
    const DrawOp& columnLetter = prints[2 * (o - 1)];
    const DrawOp& rowLetter = prints[2 * (o - 1) + 1];
    QCOMPARE(columnLetter.text, text);
    QCOMPARE(rowLetter.text, text);
    QCOMPARE(QPointF(columnLetter.x1, columnLetter.y1), QPointF(330 + (o - 1) * 255, 30));
    QCOMPARE(QPointF(rowLetter.x1, rowLetter.y1), QPointF(30, 330 + (o - 1) * 255));
    QCOMPARE(columnLetter.colour, Colour(0));
    QCOMPARE(rowLetter.colour, Colour(0));
}

void TestGridPainter::letterMatrixComesBeforeTheBoxes()
{
    PaintRun run(FormWithCounts(RisingCounts(1296)));
    const QList<DrawOp> ops = run.paint();
    QStringList headerKinds { "SetForeColor" };
    for (int o = 1; o <= 36; ++o)
        headerKinds += { "SetCurrentX", "SetCurrentY", "Print", "SetCurrentX", "SetCurrentY", "Print" };
    QCOMPARE(KindsOf(ops.mid(0, headerKinds.size())), headerKinds);
    QCOMPARE(ops.first().colour, Colour(0));
    QCOMPARE(ops.at(headerKinds.size()).kind, DrawOp::SetFillColor);

    const DrawOp last = run.surface.boxes().last();
    QCOMPARE(QRectF(QPointF(last.x1, last.y1), QPointF(last.x2, last.y2)),
             QRectF(QPointF(9225, 9225), QPointF(9465, 9465)));
    // Column letter 6 (dh) stands above column 6's box.
    QCOMPARE(run.surface.texts()[10].x1, 1605.0f);
    QCOMPARE(run.surface.boxes()[5].x1, 1575.0f);
}

void TestGridPainter::headerLetterTexts_data()
{
    QTest::addColumn<QChar>("code");
    QTest::addColumn<QString>("printed");

    QTest::newRow("d as itself") << QChar(u'd') << "d";
    QTest::newRow("D") << QChar(u'D') << "dh";
    QTest::newRow("G") << QChar(u'G') << "gj";
    QTest::newRow("L") << QChar(u'L') << "ll";
    QTest::newRow("N") << QChar(u'N') << "nj";
    QTest::newRow("R") << QChar(u'R') << "rr";
    QTest::newRow("S") << QChar(u'S') << "sh";
    QTest::newRow("T") << QChar(u'T') << "th";
    QTest::newRow("X") << QChar(u'X') << "xh";
    QTest::newRow("Z") << QChar(u'Z') << "zh";
    QTest::newRow("z as itself") << QChar(u'z') << "z";
    QTest::newRow("c-cedilla") << QChar(u'\u00e7') << u"\u00e7"_qs;
    QTest::newRow("w, no letter of the alphabet") << QChar(u'w') << "w";
}

void TestGridPainter::headerLetterTexts()
{
    QFETCH(QChar, code);
    QFETCH(QString, printed);
    QCOMPARE(HeaderLetterText(code), printed);
    QCOMPARE(HeaderLetters(), u"abc\u00e7dDe\u00ebfgGhijklLmnNopqrRsStTuvxXyzZ"_qs);
}

void TestGridPainter::countAndShareTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("o");
    QTest::addColumn<QString>("countText");
    QTest::addColumn<QString>("shareText");

    const QLocale us = UsEnglish();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QTest::newRow("one entry") << us << QList<int> { 7 } << 1 << "7" << "100.00%";
    QTest::newRow("negative count") << us << QList<int> { 10, -5 } << 2 << "-5" << "-100.00%";
    QTest::newRow("share of the total, not the maximum")
        << us << QList<int> { 10, -5 } << 1 << "10" << "200.00%";
    QTest::newRow("grouped share") << us << QList<int> { 30000, -29990 } << 1 << "30000" << "300,000.00%";
    QTest::newRow("tiny negative share") << us << QList<int> { 30000, -1 } << 2 << "-1" << "0.00%";
    QTest::newRow("german comma") << german << QList<int> { 10, -5 } << 2 << "-5" << "-100,00%";
    QTest::newRow("german grouped share") << german << QList<int> { 30000, -29990 } << 1 << "30000"
                                          << "300.000,00%";
    QTest::newRow("swedish minus sign") << swedish << QList<int> { 10, -5 } << 2 << "-5"
                                        << u"\u2212100,00%"_qs;
}

void TestGridPainter::countAndShareTexts()
{
    QFETCH(QLocale, locale);
    QFETCH(QList<int>, counts);
    QFETCH(int, o);
    QFETCH(QString, countText);
    QFETCH(QString, shareText);

    LocaleScope scope(locale);
    PaintRun run(FormWithCounts(counts));
    run.paint();
    const QList<DrawOp> prints = run.surface.texts();
    QCOMPARE(prints.size(), 3 * counts.size());
    QCOMPARE(prints[3 * (o - 1) + 1].text, countText);
    QCOMPARE(prints[3 * (o - 1) + 2].text, shareText);
    QCOMPARE(CellName(run.form.entries, o), QStringLiteral("n%1, %2, %3").arg(o).arg(countText, shareText));
}

void TestGridPainter::zeroTotalLeavesOutOnlyTheShares_data()
{
    QTest::addColumn<QList<int>>("counts");

    QTest::newRow("5 and -5") << QList<int> { 5, -5 };
    QTest::newRow("three cancelling") << QList<int> { 3, -1, -2 };
    QTest::newRow("121 cancelling") << QList<int>(60, 1) + QList<int>(60, -1) + QList<int> { 0 };
    QTest::newRow("122 cancelling") << QList<int>(61, 1) + QList<int>(61, -1);
}

void TestGridPainter::zeroTotalLeavesOutOnlyTheShares()
{
    QFETCH(QList<int>, counts);
    LocaleScope us(UsEnglish());
    PaintRun run(FormWithCounts(counts));
    QCOMPARE(run.form.entries.TotalValue, 0);
    run.paint();

    QCOMPARE(run.surface.boxes().size(), counts.size());
    const QList<DrawOp> prints = run.surface.texts();
    const bool withTexts = counts.size() <= 121;
    QCOMPARE(prints.size(), withTexts ? 2 * counts.size() : 0);
    for (int o = 1; withTexts && o <= counts.size(); ++o) {
        QCOMPARE(prints[2 * (o - 1)].text, QStringLiteral("n%1").arg(o));
        QCOMPARE(prints[2 * (o - 1) + 1].text, QString::number(counts[o - 1]));
    }
    // No share in words either.
    QCOMPARE(CellName(run.form.entries, 1), QStringLiteral("n1, %1").arg(counts[0]));
}

void TestGridPainter::nothingDrawn_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("forcedMaxValue"); // -1: as the counts give it

    QTest::newRow("empty table") << QList<int> {} << -1;
    QTest::newRow("all counts zero") << QList<int> { 0, 0, 0 } << -1;
    QTest::newRow("all counts negative") << QList<int> { -1, -7 } << -1;
    // Start-up leaves the parsed count but a maximum of 0.
    QTest::newRow("entries but maximum 0") << RisingCounts(36) << 0;
}

void TestGridPainter::nothingDrawn()
{
    QFETCH(QList<int>, counts);
    QFETCH(int, forcedMaxValue);

    PaintRun run(FormWithCounts(counts));
    if (forcedMaxValue >= 0)
        run.form.entries.MaxValue = Int16(forcedMaxValue);
    run.form.grid.CellWidth = 77;
    run.form.grid.CellHeight = 33;
    QVERIFY(run.paint(4).isEmpty());
    QCOMPARE(int(run.form.grid.CellWidth), 77);
    QCOMPARE(int(run.form.grid.CellHeight), 33);
    const DrawnGrid shown = DrawnGridOf(run.form.entries);
    QCOMPARE(QList<int>({ shown.cells, shown.columns, shown.rows }), QList<int>({ 0, 0, 0 }));
    QVERIFY(GridHeaderTexts(run.form.entries).isEmpty());
}

void TestGridPainter::boxFillsFollowTheScheme_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("o");
    QTest::addColumn<uint>("fill");

    QTest::newRow("a in Kuq") << 1 << 1 << RGB(255, 175, 175);
    QTest::newRow("b in Gri") << 0 << 2 << RGB(254, 254, 254);
    QTest::newRow("e-dieresis in Gri") << 0 << 8 << RGB(0, 0, 0);
    QTest::newRow("a in Ngj1") << 4 << 1 << RGB(0, 255, 128);
    QTest::newRow("e in Ngj2") << 5 << 7 << RGB(0, 255, 190);
    QTest::newRow("zh in Ngj4") << 7 << 36 << RGB(255, 255, 220);
}

void TestGridPainter::boxFillsFollowTheScheme()
{
    QFETCH(int, scheme);
    QFETCH(int, o);
    QFETCH(uint, fill);

    PaintRun run(DefaultTable());
    run.paint(scheme);
    QCOMPARE(run.surface.boxes().at(o - 1).fill, fill);
    // The surface keeps the last box's fill colour and the solid style.
    QCOMPARE(run.surface.FillColor(), run.surface.boxes().last().fill);
    QCOMPARE(run.surface.FillStyle(), BoxFill::Solid);
}

void TestGridPainter::noSchemeKeepsTheSurfaceFillColour_data()
{
    QTest::addColumn<int>("entryCount");

    QTest::newRow("36, teal outlines") << 36;
    QTest::newRow("101, outlines in the fill") << 101;
}

void TestGridPainter::noSchemeKeepsTheSurfaceFillColour()
{
    QFETCH(int, entryCount);
    const Colour earlier = RGB(12, 34, 56);

    PaintRun run(FormWithCounts(RisingCounts(entryCount)));
    run.surface.SetFillColor(earlier);
    run.paint(-1);
    QVERIFY(run.surface.opsOfKind(DrawOp::SetFillColor).isEmpty());
    const QList<DrawOp> boxes = run.surface.boxes();
    QCOMPARE(boxes.size(), entryCount);
    for (const DrawOp& box : boxes) {
        QCOMPARE(box.fill, earlier);
        QCOMPARE(box.colour, entryCount > 100 ? earlier : kTeal);
    }
}

void TestGridPainter::repaintDrawsTheIdenticalPicture_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<int>("scheme");

    const QList<int> defaultCounts = CountsOf(DefaultTable().entries);
    for (int scheme = -1; scheme < kSchemeCount; ++scheme)
        QTest::addRow("default list, scheme %d", scheme) << defaultCounts << scheme;
    QTest::newRow("letter matrix, Ngj3") << RisingCounts(1296) << 6;
    QTest::newRow("negative counts, Ngj1") << QList<int> { 10, -10, -3, 4 } << 4;
}

void TestGridPainter::repaintDrawsTheIdenticalPicture()
{
    QFETCH(QList<int>, counts);
    QFETCH(int, scheme);

    PaintRun run(FormWithCounts(counts));
    const QList<DrawOp> first = run.paint(scheme);
    QCOMPARE(first.isEmpty(), false);
    const QList<DrawOp> second = run.paint(scheme);
    const QString difference = FirstDifference(second, first);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_GUILESS_MAIN(TestGridPainter)
#include "tst_grid_painter.moc"

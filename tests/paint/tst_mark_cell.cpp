// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse-release marker on the recording and image surfaces: its message,
// the cell size it recomputes, the cell it picks and the outline it draws.

#include "entries/default_list.h"
#include "paint/grid_painter.h"
#include "paint/mark_cell.h"
#include "paint/start_up.h"
#include "surface/image_surface.h"
#include "surface/recording_surface.h"

#include <QTest>

using namespace cellaro;

namespace {

FormState ShownState(const QString& list, FormSurface& surface)
{
    FormState form = StartUpFormState();
    const auto error = ShowList(form, ShowInputs { list, u"0" }, 0, surface);
    if (error)
        qFatal("the list given to the test does not show");
    return form;
}

// A table of `count` entries with counts 1, as the painter would see it.
FormState TableOf(int count)
{
    FormState form = StartUpFormState();
    for (int i = 1; i <= count; ++i)
        form.entries.EntryValues[std::size_t(i)] = 1;
    form.entries.EntryCount = Int16(count);
    form.entries.MaxValue = 1;
    form.entries.TotalValue = count;
    return form;
}

struct MarkerRun {
    QStringList messages;
    int boxesDrawnWhenMessageShown = -1;
};

MarkerRun RunMarker(FormState& form, float x, float y, RecordingSurface& surface)
{
    MarkerRun run;
    MarkCell(form, x, y, surface, [&](const QString& text) {
        run.messages.append(text);
        run.boxesDrawnWhenMessageShown = int(surface.boxes().size());
    });
    return run;
}

QString ListOfLines(int count)
{
    QString list;
    for (int i = 0; i < count; ++i)
        list += QStringLiteral("x,1\r\n");
    return list;
}

} // namespace

class TestMarkCell : public QObject {
    Q_OBJECT

private slots:
    void message_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<float>("x");
        QTest::addColumn<QString>("expected");
        // x - MarginX - 15 * CellWidth + 75 with margin 225 and 100-pixel
        // cells: x - 1650.
        const QString list = DefaultListText();
        QTest::newRow("worked example x 3000") << list << 3000.0f << "1350";
        QTest::newRow("left of the grid") << list << 450.0f << "-1200";
        QTest::newRow("further right") << list << 5100.0f << "3450";
        QTest::newRow("zero") << list << 1650.0f << "0";
        QTest::newRow("window edge") << list << 0.0f << "-1650";
        QTest::newRow("half twip") << list << 1662.5f << "12.5";
        QTest::newRow("quarter twip") << list << 1650.25f << "0.25";
        // One entry: cells of 600 pixels, 9000 twips: x - 225 - 9000 + 75.
        QTest::newRow("one entry") << QStringLiteral("a,5\r\n") << 9000.0f << "-150";
    }
    void message()
    {
        QFETCH(QString, list);
        QFETCH(float, x);
        QFETCH(QString, expected);
        RecordingSurface surface;
        FormState form = ShownState(list, surface);
        const MarkerRun run = RunMarker(form, x, 500, surface);
        QCOMPARE(run.messages, QStringList { expected });
    }

    void nothingWithoutEntries_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("clearMaximum");
        QTest::newRow("empty list") << QString() << false;
        QTest::newRow("all counts zero") << QStringLiteral("a,0\r\nb,0\r\n") << false;
        QTest::newRow("negative counts") << QStringLiteral("a,-3\r\n") << false;
        // What start-up leaves: 36 entries, maximum set back to 0.
        QTest::newRow("start-up table") << DefaultListText() << true;
    }
    void nothingWithoutEntries()
    {
        QFETCH(QString, list);
        QFETCH(bool, clearMaximum);
        RecordingSurface surface;
        FormState form = StartUpFormState();
        QVERIFY(!ShowList(form, ShowInputs { list, u"0" }, 0, surface));
        if (clearMaximum)
            form.entries.MaxValue = 0;
        form.grid.CellWidth = 77; // the marker must not recompute it
        form.grid.CellHeight = 77;
        surface.clearLog();
        const MarkerRun run = RunMarker(form, 3000, 2000, surface);
        QVERIFY(run.messages.isEmpty());
        QVERIFY(surface.ops().isEmpty());
        QCOMPARE(form.grid.CellWidth, Int16(77));
        QCOMPARE(form.grid.CellHeight, Int16(77));
    }

    void cellSize_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("cellSize");
        // The painter's cell-size table.
        QTest::newRow("1") << 1 << 600;
        QTest::newRow("4") << 4 << 300;
        QTest::newRow("9") << 9 << 200;
        QTest::newRow("16") << 16 << 150;
        QTest::newRow("25") << 25 << 120;
        QTest::newRow("36") << 36 << 100;
        QTest::newRow("37") << 37 << 86;
        QTest::newRow("100") << 100 << 60;
        QTest::newRow("121") << 121 << 55;
        QTest::newRow("144") << 144 << 50;
        QTest::newRow("256 tie to even") << 256 << 38;
        QTest::newRow("1296") << 1296 << 17;
        QTest::newRow("2304 tie to even") << 2304 << 12;
        QTest::newRow("6400 tie to even") << 6400 << 8;
        QTest::newRow("10000") << 10000 << 6;
    }
    void cellSize()
    {
        QFETCH(int, entries);
        QFETCH(int, cellSize);
        FormState form = TableOf(entries);
        RecordingSurface surface;
        const MarkerRun run = RunMarker(form, 300, 300, surface);
        QCOMPARE(run.messages.size(), 1);
        QCOMPARE(int(form.grid.CellWidth), cellSize);
        QCOMPARE(int(form.grid.CellHeight), cellSize);
    }

    void cellUnderPointer_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("column"); // 0: no cell
        QTest::addColumn<int>("row");
        // 36 entries: 6 x 6 cells, pitch 1500 twips from the margin 225.
        QTest::newRow("inside b") << 36 << 3000.0f << 700.0f << 2 << 1;
        QTest::newRow("inside e-umlaut") << 36 << 3000.0f << 2000.0f << 2 << 2;
        QTest::newRow("pitch start") << 36 << 225.0f << 225.0f << 1 << 1;
        QTest::newRow("last twip of column 1") << 36 << 1724.5f << 225.0f << 1 << 1;
        QTest::newRow("first twip of column 2") << 36 << 1725.0f << 225.0f << 2 << 1;
        QTest::newRow("gap between boxes") << 36 << 1790.0f << 1790.0f << 2 << 2;
        QTest::newRow("last cell") << 36 << 9224.0f << 9224.0f << 6 << 6;
        QTest::newRow("left of the margin") << 36 << 224.0f << 500.0f << 0 << 0;
        QTest::newRow("above the margin") << 36 << 500.0f << 100.0f << 0 << 0;
        QTest::newRow("right of the grid") << 36 << 9225.0f << 300.0f << 0 << 0;
        QTest::newRow("below the grid") << 36 << 300.0f << 9225.0f << 0 << 0;
        QTest::newRow("negative") << 36 << -5000.0f << 300.0f << 0 << 0;
        // 37 entries: 7 columns of 86 pixels, pitch 1290.
        QTest::newRow("37: seventh column") << 37 << 7965.0f << 225.0f << 7 << 1;
        QTest::newRow("37: seventh row, empty") << 37 << 225.0f << 7965.0f << 1 << 7;
        QTest::newRow("37: beyond seventh") << 37 << 9255.0f << 225.0f << 0 << 0;
    }
    void cellUnderPointer()
    {
        QFETCH(int, entries);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, column);
        QFETCH(int, row);
        GridGeometry grid { 0, 0, 225, 225 };
        SetCellSizeFor(grid, entries);
        const auto cell = CellUnderPointer(grid, entries, x, y);
        QCOMPARE(cell.has_value(), column != 0);
        if (cell) {
            QCOMPARE(cell->column, column);
            QCOMPARE(cell->row, row);
        }
    }

    void outline_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QRectF>("corners"); // first corner, second corner
        // The painter's box corners of the 36-entry example.
        QTest::newRow("a at 1,1") << 500.0f << 500.0f << QRectF(QPointF(300, 300), QPointF(1785, 1785));
        QTest::newRow("b at 2,1") << 3000.0f << 700.0f << QRectF(QPointF(1800, 300), QPointF(3285, 1785));
        QTest::newRow("e at 1,2") << 400.0f << 2000.0f << QRectF(QPointF(300, 1800), QPointF(1785, 3285));
        QTest::newRow("zh at 6,6") << 9000.0f << 9000.0f << QRectF(QPointF(7800, 7800), QPointF(9285, 9285));
    }
    void outline()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QRectF, corners);
        RecordingSurface surface;
        FormState form = ShownState(DefaultListText(), surface);
        QCOMPARE(surface.FillStyle(), BoxFill::Solid); // as the painter leaves it
        surface.clearLog();

        const MarkerRun run = RunMarker(form, x, y, surface);
        QCOMPARE(run.boxesDrawnWhenMessageShown, 0); // the box follows the closed message
        const QList<DrawOp> boxes = surface.boxes();
        QCOMPARE(boxes.size(), 1);
        const DrawOp& box = boxes.first();
        QCOMPARE(QRectF(QPointF(box.x1, box.y1), QPointF(box.x2, box.y2)), corners);
        QCOMPARE(box.colour, Colour(0));
        QCOMPARE(box.fillStyle, BoxFill::Transparent);
        QVERIFY(surface.texts().isEmpty());
        QCOMPARE(surface.FillStyle(), BoxFill::Solid);
    }

    void noOutlineOffTheGrid()
    {
        RecordingSurface surface;
        FormState form = ShownState(DefaultListText(), surface);
        surface.clearLog();
        const MarkerRun run = RunMarker(form, 10000, 500, surface);
        QCOMPARE(run.messages, QStringList { QStringLiteral("8350") });
        QVERIFY(surface.boxes().isEmpty());
    }

    void smallestCells()
    {
        // 10000 entries: 100 x 100 cells of 6 pixels.
        RecordingSurface surface;
        FormState form = ShownState(ListOfLines(10000), surface);
        surface.clearLog();
        RunMarker(form, 225 + 99 * 90 + 1, 225 + 99 * 90 + 1, surface);
        const QList<DrawOp> boxes = surface.boxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().x1, float(225 + 99 * 90 + 75));
        QCOMPARE(boxes.first().x2, float(225 + 99 * 90 + 15 * 10));
    }

    // On pixels: the outline ring turns black, the cell's colour and texts
    // inside it and everything outside stay as they were.
    void outlineKeepsTheCell_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QRect>("ring"); // pixels of the box outline
        QTest::newRow("a, grey") << 500.0f << 500.0f << QRect(QPoint(20, 20), QPoint(119, 119));
        QTest::newRow("b, near white") << 3000.0f << 700.0f << QRect(QPoint(120, 20), QPoint(219, 119));
        QTest::newRow("i, dark") << 500.0f << 3500.0f << QRect(QPoint(20, 220), QPoint(119, 319));
    }
    void outlineKeepsTheCell()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QRect, ring);
        ImageSurface surface(639, 639, RGB(240, 240, 240));
        FormState form = StartUpFormState();
        QVERIFY(!ShowList(form, ShowInputs { DefaultListText(), u"0" }, 0, surface));
        const PixelBuffer before = surface.pixels();

        MarkCell(form, x, y, surface, [](const QString&) {});
        const PixelBuffer& after = surface.pixels();
        int ringPixels = 0;
        for (int py = 0; py < before.height; ++py) {
            for (int px = 0; px < before.width; ++px) {
                const bool onRing = ring.contains(px, py)
                    && (px == ring.left() || px == ring.right() || py == ring.top() || py == ring.bottom());
                if (onRing) {
                    ++ringPixels;
                    QCOMPARE(after.at(px, py), OpaquePixel(RGB(0, 0, 0)));
                } else if (after.at(px, py) != before.at(px, py)) {
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 changed").arg(px).arg(py)));
                }
            }
        }
        QCOMPARE(ringPixels, 4 * 99);
    }
};

QTEST_MAIN(TestMarkCell)
#include "tst_mark_cell.moc"

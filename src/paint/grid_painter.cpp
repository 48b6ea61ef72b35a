// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/grid_painter.h"

#include "paint/header_letters.h"
#include "surface/basic_services.h"
#include "surface/twips.h"

namespace cellaro {

namespace {

void PrintAt(FormSurface& surface, float x, float y, const QString& text)
{
    surface.SetCurrentX(x);
    surface.SetCurrentY(y);
    surface.Print(text);
}

void PaintHeaderLetters(const GridGeometry& grid, FormSurface& surface)
{
    surface.SetForeColor(kHeaderColour);
    const QString letters = HeaderLetters();
    for (int o = 1; o <= letters.size(); ++o) {
        const QString text = HeaderLetterText(letters[o - 1]);
        const TwipPoint origin = CellOrigin(grid, o, o);
        PrintAt(surface, origin.x + kTextInset, kHeaderOffset, text);
        PrintAt(surface, kHeaderOffset, origin.y + kTextInset, text);
    }
}

void PaintCellTexts(const EntryTable& table, int o, TwipPoint origin, FormSurface& surface)
{
    const Int16 count = table.EntryValues[std::size_t(o)];
    const float x = origin.x + kTextInset;
    surface.SetForeColor(kLabelColour);
    PrintAt(surface, x, origin.y + kTextInset, table.EntryNames[std::size_t(o)]);
    surface.SetForeColor(kNumberColour);
    PrintAt(surface, x, origin.y + kCountTextTop, CountText(count));
    if (PrintsShares(table)) {
        surface.SetForeColor(kNumberColour);
        PrintAt(surface, x, origin.y + kShareTextTop, ShareText(count, table.TotalValue));
    }
}

} // namespace

QString CountText(Int16 count) { return Trim(Str(count)).toString(); }

QString ShareText(Int16 count, std::int32_t total)
{
    const double share = double(count) / double(total) * 100;
    return FormatNumber(share, 2) + u'%';
}

void PaintGrid(FormState& form, Int16 scheme, FormSurface& surface)
{
    const EntryTable& table = form.entries;
    GridGeometry& grid = form.grid;
    if (!PainterDrawsCells(table))
        return;

    SetCellSizeFor(grid, table.EntryCount);
    if (table.EntryCount == kLetterMatrixEntries)
        PaintHeaderLetters(grid, surface);

    const Int16 levels = PrepareScheme(form.palette, scheme);
    const int side = int(GridSideFor(table.EntryCount));
    const int count = table.EntryCount;
    const bool withTexts = PrintsCellTexts(table);
    const bool tealOutline = count <= kMaxEntriesWithTealOutline;

    int column = 1;
    int row = 1;
    for (int o = 1; o <= count; ++o, ++column) {
        if (column > side) { // wrap to the start of the next row
            column = 1;
            ++row;
        }
        if (const auto fill = CellFillColor(form.palette, levels, table.MaxValue, scheme,
                                            table.EntryValues[std::size_t(o)]))
            surface.SetFillColor(*fill);
        const Colour border = tealOutline ? kTealOutline : surface.FillColor();
        surface.SetFillStyle(BoxFill::Solid);
        const CellBox box = CellBoxAt(grid, column, row);
        surface.LineBox(box.first.x, box.first.y, box.second.x, box.second.y, border);
        if (withTexts)
            PaintCellTexts(table, o, CellOrigin(grid, column, row), surface);
    }
}

std::optional<ShowError> ShowList(FormState& form, const ShowInputs& inputs, Int16 scheme,
                                  FormSurface& surface)
{
    if (auto error = ReadList(form.entries, inputs.listText, ReadThreshold(inputs.thresholdText)))
        return error;
    ShowTable(form, scheme, surface);
    return std::nullopt;
}

void ShowTable(FormState& form, Int16 scheme, FormSurface& surface)
{
    if (ShowClearsAndPaints(form.entries)) {
        surface.Cls();
        PaintGrid(form, scheme, surface);
    }
}

} // namespace cellaro

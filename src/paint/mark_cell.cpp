// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/mark_cell.h"

#include "paint/grid_geometry.h"
#include "paint/grid_painter.h"
#include "surface/basic_services.h"

#include <cmath>

namespace cellaro {

namespace {

// Column or row of a coordinate, counted from the margin in cell pitches.
int PitchIndex(float position, Int16 margin, Int16 cellSize)
{
    return int(std::floor((double(position) - margin) / double(CellPitchTwips(cellSize)))) + 1;
}

} // namespace

QString MarkerMessage(const GridGeometry& grid, float x)
{
    const float pitch = float(CellPitchTwips(grid.CellWidth));
    return ShortestText(x - float(grid.MarginX) - pitch + float(kBoxInset));
}

std::optional<GridCell> CellUnderPointer(const GridGeometry& grid, int entryCount, float x, float y)
{
    if (grid.CellWidth <= 0 || grid.CellHeight <= 0 || entryCount <= 0)
        return std::nullopt;
    const int side = int(GridSideFor(entryCount));
    const GridCell cell { PitchIndex(x, grid.MarginX, grid.CellWidth),
                          PitchIndex(y, grid.MarginY, grid.CellHeight) };
    const auto inGrid = [side](int index) { return index >= 1 && index <= side; };
    if (!inGrid(cell.column) || !inGrid(cell.row))
        return std::nullopt;
    return cell;
}

void OutlineCell(const GridGeometry& grid, GridCell cell, FormSurface& surface)
{
    const BoxFill previous = surface.FillStyle();
    surface.SetFillStyle(BoxFill::Transparent);
    const CellBox box = CellBoxAt(grid, cell.column, cell.row);
    surface.LineBox(box.first.x, box.first.y, box.second.x, box.second.y, kMarkerOutline);
    surface.SetFillStyle(previous);
}

std::optional<CellBox> MarkCell(FormState& form, float x, float y, FormSurface& surface,
                                const ShowMarkerMessage& showMessage)
{
    if (!PainterDrawsCells(form.entries))
        return std::nullopt;
    SetCellSizeFor(form.grid, form.entries.EntryCount);
    showMessage(MarkerMessage(form.grid, x));
    const auto cell = CellUnderPointer(form.grid, form.entries.EntryCount, x, y);
    if (!cell)
        return std::nullopt;
    OutlineCell(form.grid, *cell, surface);
    return CellBoxAt(form.grid, cell->column, cell->row);
}

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/grid_geometry.h"

#include "surface/basic_services.h"
#include "surface/twips.h"

namespace cellaro {

namespace {

// 15 * (size + 4), where a box ends: one pixel before the next cell's box.
long long BoxEndTwips(Int16 cellSize) { return (long long)kTwipsPerPixel * (cellSize + 4); }

// The cell origin, formed exactly in integers before it is handed on in
// single precision.
struct ExactOrigin {
    long long x, y;
};

ExactOrigin OriginOf(const GridGeometry& grid, int column, int row)
{
    return ExactOrigin { grid.MarginX + (column - 1) * CellPitchTwips(grid.CellWidth),
                         grid.MarginY + (row - 1) * CellPitchTwips(grid.CellHeight) };
}

} // namespace

double GridSideFor(int entryCount) { return Int(Sqr(double(entryCount - 1))) + 1; }

Int16 CellSizeFor(int entryCount)
{
    // At most 600 for any entry count of at least 1, so it always fits.
    return ToInt16(kGridExtentPixels / GridSideFor(entryCount)).value_or(0);
}

void SetCellSizeFor(GridGeometry& grid, int entryCount)
{
    grid.CellWidth = CellSizeFor(entryCount);
    grid.CellHeight = CellSizeFor(entryCount);
}

TwipPoint CellOrigin(const GridGeometry& grid, int column, int row)
{
    const ExactOrigin origin = OriginOf(grid, column, row);
    return TwipPoint { float(origin.x), float(origin.y) };
}

CellBox CellBoxAt(const GridGeometry& grid, int column, int row)
{
    const ExactOrigin origin = OriginOf(grid, column, row);
    return CellBox { { float(origin.x + kBoxInset), float(origin.y + kBoxInset) },
                     { float(origin.x + BoxEndTwips(grid.CellWidth)),
                       float(origin.y + BoxEndTwips(grid.CellHeight)) } };
}

} // namespace cellaro

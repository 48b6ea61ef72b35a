#include "paint/grid_geometry.h"

#include "window/basic_services.h"
#include "window/twips.h"

namespace cellaro {

namespace {

// 15 * size and 15 * (size + 4) are 16-bit products; with cells of at most
// 600 pixels they stay far inside the range.
long long PitchTwips(Int16 cellSize) { return (long long)kTwipsPerPixel * cellSize; }

long long BoxEndTwips(Int16 cellSize) { return (long long)kTwipsPerPixel * (cellSize + 4); }

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
    return TwipPoint { float(grid.MarginX + (column - 1) * PitchTwips(grid.CellWidth)),
                       float(grid.MarginY + (row - 1) * PitchTwips(grid.CellHeight)) };
}

CellBox CellBoxAt(const GridGeometry& grid, int column, int row)
{
    const long long x0 = grid.MarginX + (column - 1) * PitchTwips(grid.CellWidth);
    const long long y0 = grid.MarginY + (row - 1) * PitchTwips(grid.CellHeight);
    return CellBox { { float(x0 + kBoxInset), float(y0 + kBoxInset) },
                     { float(x0 + BoxEndTwips(grid.CellWidth)),
                       float(y0 + BoxEndTwips(grid.CellHeight)) } };
}

} // namespace cellaro

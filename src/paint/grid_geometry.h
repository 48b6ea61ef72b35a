#pragma once
// Where the grid's cells stand. The cell size is held in pixels and turned
// into twips by 15; the margins are twips. The painter and the mouse-release
// marker share these rules.

#include "window/int16.h"

namespace cellaro {

inline constexpr int kGridExtentPixels = 600;
inline constexpr int kBoxInset = 75;       // twips from the cell origin to the box
inline constexpr int kTextInset = 105;     // twips from the cell origin to the texts
inline constexpr int kCountTextTop = 285;  // twips below the cell origin
inline constexpr int kShareTextTop = 465;  // twips below the cell origin
inline constexpr int kHeaderOffset = 30;   // twips from the surface edge to header letters

struct GridGeometry {
    Int16 CellWidth = 0;  // pixels
    Int16 CellHeight = 0; // pixels
    Int16 MarginX = 0;    // twips
    Int16 MarginY = 0;    // twips
};

// What the window sets at start-up: 100-pixel cells, 225 twips from the
// left and top edges. The margins keep these values for the window's life.
inline constexpr Int16 kStartUpCellPixels = 100;
inline constexpr Int16 kStartUpMarginTwips = 225;

inline void SetStartUpGeometry(GridGeometry& grid)
{
    grid.CellWidth = kStartUpCellPixels;
    grid.CellHeight = kStartUpCellPixels;
    grid.MarginX = kStartUpMarginTwips;
    grid.MarginY = kStartUpMarginTwips;
}

// Cells per grid row: the smallest integer whose square holds the entries.
double GridSideFor(int entryCount);

// 600 / GridSide rounded to nearest, ties to even.
Int16 CellSizeFor(int entryCount);

// The cell size of the table, written to both CellWidth and CellHeight.
void SetCellSizeFor(GridGeometry& grid, int entryCount);

struct TwipPoint {
    float x = 0;
    float y = 0;
};

struct CellBox {
    TwipPoint first;  // top-left corner
    TwipPoint second; // bottom-right corner, one pixel before the next box
};

// Top-left of the cell pitch of column `column`, row `row` (both 1-based).
TwipPoint CellOrigin(const GridGeometry& grid, int column, int row);

CellBox CellBoxAt(const GridGeometry& grid, int column, int row);

} // namespace cellaro

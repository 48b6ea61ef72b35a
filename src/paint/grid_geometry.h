// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the grid's cells stand. The cell size is held in pixels and turned
// into twips by 15; the margins are twips. The painter and the mouse-release
// marker share these rules.

#include "surface/int16.h"
#include "surface/twips.h"

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

// The distance in twips from one cell to the next: 15 * the cell size in
// pixels, a 16-bit product that cells of at most 600 pixels keep far inside
// its range.
inline long long CellPitchTwips(Int16 cellSize) { return (long long)kTwipsPerPixel * cellSize; }

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

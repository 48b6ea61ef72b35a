// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as start-up leaves it: the grid laid out for 6 x 6 cells of
// 100 pixels, 225 twips from the left and top edges, and the controls in a
// column to the right of it. The window's start-up, the command-line
// renderer, the benchmarks and the tests all start from here.

#include "paint/form_state.h"
#include "surface/int16.h"
#include "surface/twips.h"

namespace cellaro {

inline constexpr Int16 kStartUpCellPixels = 100;
inline constexpr Int16 kStartUpMarginTwips = 225; // kept for the window's life
inline constexpr int kStartUpGridSide = 6;

// The start-up layout, in twips.
inline constexpr int kButtonRowTop = 75;              // the Show button's top
inline constexpr int kGridToControls = 135;           // from the grid's span to the control column
inline constexpr int kWindowHeightBeyondGrid = 1050;  // the window's outer height past the grid's span
inline constexpr int kWindowWidthBeyondGrid = 390;    // the outer width past the grid's span, before
                                                      // the list box and a margin are added
inline constexpr int kListBoxBottomGap = 600;         // from the list box's bottom to the window's

// Start-up clears this many entries after its nested Show.
inline constexpr int kEntriesClearedAtStartUp = 100;

// What the start-up grid spans: 6 cells of `cellPixels` pixels, in twips.
constexpr long long StartUpGridSpan(long long cellPixels)
{
    return cellPixels * kStartUpGridSide * kTwipsPerPixel;
}

// Where the control column starts: the grid's span, the gap, and a margin
// on either side of the grid.
constexpr long long ControlColumnLeft(long long cellPixels, long long marginTwips)
{
    return StartUpGridSpan(cellPixels) + kGridToControls + 2 * marginTwips;
}

// The drawing area left of the controls, from the window's left edge to
// where the Show button starts: the square the renderer draws.
inline constexpr int kPictureTwips = int(ControlColumnLeft(kStartUpCellPixels, kStartUpMarginTwips));

// The start-up arithmetic is 16-bit; with these constants none of it can
// overflow.
static_assert(FitsInt16(kPictureTwips));
static_assert(FitsInt16(StartUpGridSpan(kStartUpCellPixels) + kWindowHeightBeyondGrid));
static_assert(FitsInt16(StartUpGridSpan(kStartUpCellPixels) + kWindowWidthBeyondGrid));

inline void SetStartUpGeometry(GridGeometry& grid)
{
    grid.CellWidth = kStartUpCellPixels;
    grid.CellHeight = kStartUpCellPixels;
    grid.MarginX = kStartUpMarginTwips;
    grid.MarginY = kStartUpMarginTwips;
}

// The window's state after start-up as far as it matters to what Show
// draws next: the start-up geometry and an untouched (all black) palette.
// The table start-up leaves behind draws nothing and the next Show
// replaces it, so it starts empty.
inline FormState StartUpFormState()
{
    FormState form;
    SetStartUpGeometry(form.grid);
    return form;
}

} // namespace cellaro

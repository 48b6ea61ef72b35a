// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse-release marker: when the grid shows entries, a release of a
// mouse button over the drawing area reports a horizontal coordinate in a
// message box and then outlines the grid cell under the pointer in black.
// The outline is not kept: the next repaint of the grid draws over it.

#include "paint/grid_geometry.h"
#include "paint/form_state.h"
#include "surface/form_surface.h"

#include <QString>

#include <functional>
#include <optional>

namespace cellaro {

inline constexpr Colour kMarkerOutline = 0; // black

struct GridCell {
    int column = 0; // 1-based
    int row = 0;    // 1-based
};

// The single-precision number x - MarginX - 15 * CellWidth + 75 as the
// shortest text that reads back as the same single-precision number
// ("1350", "-1200", "12.5").
QString MarkerMessage(const GridGeometry& grid, float x);

// The cell whose pitch holds the pointer: column floor((x - MarginX) /
// (15 * CellWidth)) + 1 and the row likewise, when both lie in 1..GridSide.
std::optional<GridCell> CellUnderPointer(const GridGeometry& grid, int entryCount, float x, float y);

// Outlines the cell's box in black. The interior, with the cell's colour and
// texts, stays as it is; the surface's fill style is left as it was found.
void OutlineCell(const GridGeometry& grid, GridCell cell, FormSurface& surface);

// Shows the message and returns once it is closed.
using ShowMarkerMessage = std::function<void(const QString& text)>;

// The whole marker for a release at (x, y) twips. Only while the table
// draws a grid: recomputes the cell size as the painter does, shows the
// message, then outlines the cell under the pointer if there is one.
// Returns the box it outlined.
std::optional<CellBox> MarkCell(FormState& form, float x, float y, FormSurface& surface,
                                const ShowMarkerMessage& showMessage);

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the window owns besides its widgets: the entry table, the
// palette and the grid geometry. The window keeps one; the command-line
// renderer keeps one too and so draws the same picture.

#include "entries/entry_table.h"
#include "paint/colour_schemes.h"
#include "paint/grid_geometry.h"

namespace cellaro {

struct FormState {
    EntryTable entries;
    Palette palette;
    GridGeometry grid;
};

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid in words: which boxes the painter draws for the entry table,
// where each stands, what each says (its label and count, and where the
// box prints it, its share, all as printed) and the texts heading the
// columns and rows of the letter-pair matrix. Assistive technology reads
// the window's grid from here; a picture can title its cells the same way.

#include "entries/entry_table.h"
#include "paint/mark_cell.h"

#include <QString>
#include <QStringList>

namespace cellaro {

// The grid the painter draws: one box per entry 1..cells, `columns` to a
// row, the last row perhaps partly filled. All zero when it draws nothing.
struct DrawnGrid {
    int cells = 0;
    int columns = 0;
    int rows = 0;
};

DrawnGrid DrawnGridOf(const EntryTable& table);

// Where the box of entry o (1..cells) stands; both 1-based.
GridCell CellOfEntry(const DrawnGrid& grid, int o);

// The entry whose box stands at `cell` (1-based), or 0 where there is none.
int EntryAtCell(const DrawnGrid& grid, GridCell cell);

// Entry o's label, count and, where the painter prints one, share, each
// exactly as printed, joined by ", " (a label holds no comma).
QString CellName(const EntryTable& table, int o);

// "Bosh" (empty), or "36 qeliza, 6 rreshta, 6 shtylla": cells, rows and
// columns, each in the singular for one.
QString GridSummary(const DrawnGrid& shown);

// The 36 header texts of the letter-pair matrix, which head both its
// columns and its rows; none for any other grid.
QStringList GridHeaderTexts(const EntryTable& table);

} // namespace cellaro

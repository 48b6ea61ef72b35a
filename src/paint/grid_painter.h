// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the entry table as a square grid of filled, outlined boxes, row by
// row, with label, count and share printed in each box of a small table and
// the 36 header letters around a 36 x 36 table. PaintGrid never clears the
// surface and draws over what is there; Show clears it first. The Show
// action lives here too: the entries layer only parses.

#include "entries/list_parser.h"
#include "paint/form_state.h"
#include "surface/form_surface.h"

#include <QStringView>

#include <optional>

namespace cellaro {

inline constexpr int kMaxEntriesWithTexts = 121;
inline constexpr int kMaxEntriesWithTealOutline = 100;
inline constexpr int kLetterMatrixEntries = 1296;

inline constexpr Colour kTealOutline = RGB(0, 64, 64);
inline constexpr Colour kLabelColour = RGB(255, 255, 0);
inline constexpr Colour kNumberColour = RGB(255, 128, 0);
inline constexpr Colour kHeaderColour = 0;

// Whether the painter draws any cell: the table needs entries and a count
// above 0. The mouse-release marker acts only on such a grid.
inline bool PainterDrawsCells(const EntryTable& table) { return table.EntryCount > 0 && table.MaxValue > 0; }

void PaintGrid(FormState& form, Int16 scheme, FormSurface& surface);

struct ShowInputs {
    QStringView listText;      // the list box's text
    QStringView thresholdText; // the threshold box's text
};

// Whether Show, having read the table, clears the surface and runs the
// painter: only when it accepted at least one entry.
inline bool ShowClearsAndPaints(const EntryTable& table) { return table.EntryCount > 0; }

// The Show action: the table rebuilt from the inputs and, when
// ShowClearsAndPaints, the surface cleared and the grid painted in `scheme`
// at once. A list that cannot be stored is rejected whole: the table and
// the surface stay exactly as they were, and the error names the line.
std::optional<ShowError> ShowList(FormState& form, const ShowInputs& inputs, Int16 scheme,
                                  FormSurface& surface);

// Show's drawing, for a table already read.
void ShowTable(FormState& form, Int16 scheme, FormSurface& surface);

// Whether each box carries its label, count and share texts, and whether
// the share is among them: a total of zero has no shares.
inline bool PrintsCellTexts(const EntryTable& table) { return table.EntryCount <= kMaxEntriesWithTexts; }
inline bool PrintsShares(const EntryTable& table) { return PrintsCellTexts(table) && table.TotalValue != 0; }

// The count text of a box: the count in decimal without blanks.
QString CountText(Int16 count);

// The percentage text of a count: its share of the total with two decimals
// in the user's locale, followed by "%".
QString ShareText(Int16 count, std::int32_t total);

} // namespace cellaro

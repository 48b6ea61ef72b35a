#pragma once
// Draws the entry table as a square grid of filled, outlined boxes, row by
// row, with label, count and share printed in each box of a small table and
// the 36 header letters around a 36 x 36 table. PaintGrid never clears the
// surface and draws over what is there; Show clears it first.

#include "entries/show_list.h"
#include "paint/form_state.h"
#include "surface/form_surface.h"

namespace cellaro {

inline constexpr int kMaxEntriesWithTexts = 121;
inline constexpr int kMaxEntriesWithTealOutline = 100;
inline constexpr int kLetterMatrixEntries = 1296;

inline constexpr Colour kTealOutline = RGB(0, 64, 64);
inline constexpr Colour kLabelColour = RGB(255, 255, 0);
inline constexpr Colour kNumberColour = RGB(255, 128, 0);
inline constexpr Colour kHeaderColour = 0;

void PaintGrid(FormState& form, Int16 scheme, FormSurface& surface);

// Show on the window's state: the table rebuilt from the inputs and, when it
// accepted entries, the surface cleared and the grid painted in `scheme`.
std::optional<ShowError> ShowList(FormState& form, const ShowInputs& inputs, Int16 scheme,
                                  FormSurface& surface);

// Show's drawing on the window's state, for a table already read.
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

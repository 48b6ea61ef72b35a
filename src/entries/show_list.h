#pragma once
// The Show action: rebuilds the entry table from the list text and the
// threshold and, when at least one entry was accepted, clears the surface
// and runs the grid painter at once.

#include "entries/entry_table.h"
#include "entries/list_parser.h"
#include "surface/form_surface.h"

#include <QStringView>

#include <functional>
#include <optional>

namespace cellaro {

struct ShowInputs {
    QStringView listText;      // the list box's text
    QStringView thresholdText; // the threshold box's text
};

// Draws the grid of the table Show has just rebuilt onto the surface.
using GridPainter = std::function<void(FormSurface& surface)>;

// A list that cannot be stored is rejected whole: the table and the surface
// stay exactly as they were, and the error names the line.
std::optional<ShowError> ShowList(EntryTable& table, const ShowInputs& inputs, FormSurface& surface,
                                  const GridPainter& paintGrid);

// Whether Show, having read the table, clears the surface and paints: only
// when it accepted at least one entry.
inline bool ShowDraws(const EntryTable& table) { return table.EntryCount > 0; }

// What Show does once the table is read: when ShowDraws, the surface is
// cleared and the grid painted; otherwise neither.
void ShowTable(const EntryTable& table, FormSurface& surface, const GridPainter& paintGrid);

} // namespace cellaro

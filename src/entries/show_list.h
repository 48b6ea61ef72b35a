#pragma once
// The Show action: rebuilds the entry table from the list text and the
// threshold and, when at least one entry was accepted, clears the surface
// and paints the grid at once.

#include "entries/list_parser.h"
#include "window/form_state.h"
#include "window/form_surface.h"

#include <QStringView>

#include <optional>

namespace cellaro {

struct ShowInputs {
    QStringView listText;      // the list box's text
    QStringView thresholdText; // the threshold box's text
    Int16 scheme = 0;          // the scheme selector's index
};

// A list that cannot be stored is rejected whole: the table and the surface
// stay exactly as they were, and the error names the line.
std::optional<ShowError> ShowList(FormState& form, const ShowInputs& inputs, FormSurface& surface);

} // namespace cellaro

#include "entries/show_list.h"

#include "paint/grid_painter.h"

namespace cellaro {

std::optional<ShowError> ShowList(FormState& form, const ShowInputs& inputs, FormSurface& surface)
{
    ParseOutcome parsed = ParseList(inputs.listText, ReadThreshold(inputs.thresholdText));
    if (parsed.error)
        return parsed.error;
    StoreParsedList(form.entries, std::move(parsed.list));
    if (form.entries.EntryCount > 0) {
        surface.Cls();
        PaintGrid(form, inputs.scheme, surface);
    }
    return std::nullopt;
}

} // namespace cellaro

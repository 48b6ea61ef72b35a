#include "entries/show_list.h"

namespace cellaro {

std::optional<ShowError> ShowList(EntryTable& table, const ShowInputs& inputs, FormSurface& surface,
                                  const GridPainter& paintGrid)
{
    if (auto error = ReadList(table, inputs.listText, ReadThreshold(inputs.thresholdText)))
        return error;
    if (table.EntryCount > 0) {
        surface.Cls();
        paintGrid(surface);
    }
    return std::nullopt;
}

} // namespace cellaro

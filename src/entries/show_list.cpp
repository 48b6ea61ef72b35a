#include "entries/show_list.h"

namespace cellaro {

std::optional<ShowError> ShowList(EntryTable& table, const ShowInputs& inputs, FormSurface& surface,
                                  const GridPainter& paintGrid)
{
    if (auto error = ReadList(table, inputs.listText, ReadThreshold(inputs.thresholdText)))
        return error;
    ShowTable(table, surface, paintGrid);
    return std::nullopt;
}

void ShowTable(const EntryTable& table, FormSurface& surface, const GridPainter& paintGrid)
{
    if (ShowDraws(table)) {
        surface.Cls();
        paintGrid(surface);
    }
}

} // namespace cellaro

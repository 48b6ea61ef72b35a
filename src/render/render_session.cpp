#include "render/render_session.h"

#include "entries/show_list.h"

namespace cellaro {

std::unique_ptr<FormState> StartupFormState()
{
    auto form = std::make_unique<FormState>();
    SetStartUpGeometry(form->grid);
    return form;
}

std::optional<ShowError> ReplayShows(FormState& form, const SessionInputs& inputs,
                                     FormSurface& picture)
{
    const auto show = [&](Int16 scheme, FormSurface& surface) {
        return ShowList(form, ShowInputs { inputs.listText, inputs.thresholdText, scheme }, surface);
    };
    // The earlier pictures go nowhere. The painter sets every drawing setting
    // before it uses it, so the final picture needs none of theirs.
    FormSurface discarded;
    for (Int16 scheme : inputs.schemesBefore)
        if (auto error = show(scheme, discarded))
            return error;
    return show(inputs.scheme, picture);
}

bool DrawsGrid(const EntryTable& table) { return table.EntryCount > 0 && table.MaxValue > 0; }

} // namespace cellaro

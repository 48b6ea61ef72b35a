#include "render/render_session.h"

#include "paint/grid_painter.h"

namespace cellaro {

std::optional<ShowError> ReplayShows(FormState& form, const SessionInputs& inputs,
                                     FormSurface& picture)
{
    const auto show = [&](Int16 scheme, FormSurface& surface) {
        return ShowList(form, ShowInputs { inputs.listText, inputs.thresholdText }, scheme, surface);
    };
    // The earlier pictures go nowhere. The painter sets every drawing setting
    // before it uses it, so the final picture needs none of theirs.
    FormSurface discarded;
    for (Int16 scheme : inputs.schemesBefore)
        if (auto error = show(scheme, discarded))
            return error;
    return show(inputs.scheme, picture);
}

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_session.h"

#include "paint/grid_painter.h"

namespace cellaro {

std::optional<ShowError> ReadSession(const SessionInputs& inputs, Session& session)
{
    session.scheme = inputs.scheme;
    session.schemesBefore = inputs.schemesBefore;
    session.thresholdText = inputs.thresholdText;
    return ReadList(session.form.entries, inputs.listText, ReadThreshold(inputs.thresholdText));
}

void ReplayShows(Session& session, FormSurface& picture)
{
    // The earlier pictures go nowhere. The painter sets every drawing setting
    // before it uses it, so the final picture needs none of theirs.
    FormSurface discarded;
    for (Int16 scheme : session.schemesBefore)
        ShowTable(session.form, scheme, discarded);
    ShowTable(session.form, session.scheme, picture);
}

} // namespace cellaro

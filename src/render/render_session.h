// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A session of the window replayed on a state of its own: the list read
// into the window's state as start-up leaves it, the earlier schemes shown
// for their palette, then the final Show, whose picture is the one kept.
// Every Show of a session reads the same list with the same threshold and
// so stores the same table: the list is read once.

#include "entries/list_parser.h"
#include "paint/form_state.h"
#include "paint/start_up.h"
#include "surface/form_surface.h"

#include <QList>
#include <QString>

#include <optional>

namespace cellaro {

struct Session {
    FormState form = StartUpFormState(); // with the list read into its table
    Int16 scheme = 0;
    QList<Int16> schemesBefore;
    QString thresholdText = QStringLiteral("0"); // as typed, for the picture's description
};

// A session's inputs held in memory.
struct SessionInputs {
    QString listText;
    QString thresholdText = QStringLiteral("0");
    Int16 scheme = 0;
    QList<Int16> schemesBefore;
};

// Reads the list text of `inputs` into `session`; the error when the list
// cannot be stored.
std::optional<ShowError> ReadSession(const SessionInputs& inputs, Session& session);

// Shows the table once for every earlier scheme, drawing on nothing, then
// once more with the final scheme on `picture`.
void ReplayShows(Session& session, FormSurface& picture);

} // namespace cellaro

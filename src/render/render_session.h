#pragma once
// Replays the Shows of a window session on a state of its own: the window
// as start-up leaves it, the earlier schemes shown for their palette, then
// the final Show, whose picture is the one kept.

#include "entries/list_parser.h"
#include "paint/form_state.h"
#include "paint/start_up.h"
#include "surface/form_surface.h"

#include <QList>
#include <QSize>
#include <QString>

#include <optional>

namespace cellaro {

inline const QSize kPictureTwipsSize(kPictureTwips, kPictureTwips);

struct SessionInputs {
    QString listText;
    QString thresholdText = QStringLiteral("0");
    Int16 scheme = 0;
    QList<Int16> schemesBefore;
};

// Shows the list once for every earlier scheme, drawing on nothing, then
// once more with the final scheme on `picture`. Stops at the first Show that
// rejects the list.
std::optional<ShowError> ReplayShows(FormState& form, const SessionInputs& inputs,
                                     FormSurface& picture);

} // namespace cellaro

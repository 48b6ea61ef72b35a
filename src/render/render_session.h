#pragma once
// Replays the Shows of a window session on a state of its own: the window
// as start-up leaves it, the earlier schemes shown for their palette, then
// the final Show, whose picture is the one kept.

#include "entries/list_parser.h"
#include "window/form_state.h"
#include "window/form_surface.h"

#include <QList>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

namespace cellaro {

// The window's drawing area left of its controls: 9585 twips square, from
// the left edge to where the Show button starts.
inline constexpr int kPictureTwips = 9585;
inline const QSize kPictureTwipsSize(kPictureTwips, kPictureTwips);

struct SessionInputs {
    QString listText;
    QString thresholdText = QStringLiteral("0");
    Int16 scheme = 0;
    QList<Int16> schemesBefore;
};

// The window's state right after start-up: cells of 100 pixels, margins of
// 225 twips, an untouched (all black) palette. The table start-up leaves
// behind draws nothing and the next Show replaces it, so it starts empty.
std::unique_ptr<FormState> StartupFormState();

// Shows the list once for every earlier scheme, drawing on nothing, then
// once more with the final scheme on `picture`. Stops at the first Show that
// rejects the list.
std::optional<ShowError> ReplayShows(FormState& form, const SessionInputs& inputs,
                                     FormSurface& picture);

// Whether a Show with this table drew a grid; when not, the picture is the
// empty surface.
bool DrawsGrid(const EntryTable& table);

} // namespace cellaro

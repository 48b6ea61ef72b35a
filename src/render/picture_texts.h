#pragma once
// What a session's picture will print, found before it is drawn: the font
// system can then start knowing the built-in font alone when that font
// has every character the picture prints.

#include "render/render_session.h"

namespace cellaro {

struct PictureTexts {
    bool any = false;             // the picture prints at least one text
    bool allInDefaultFont = true; // the built-in font has all their characters
};

// Replays the session on a copy of its state, drawing nothing.
PictureTexts ProbePictureTexts(const Session& session);

} // namespace cellaro

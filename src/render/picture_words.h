// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a session's picture shows, in words, for the picture file itself:
// the SVG's description and the title of each cell, the PNG's text chunks.
// The words are the window's own, those assistive technology reads of its
// grid, in the window's language.

#include "render/render_session.h"

#include <QString>
#include <QStringList>

namespace cellaro {

// The grid, the scheme and the threshold: "36 qeliza, 6 rreshta, 6 shtylla;
// skema Gri; pragu 0".
QString PictureSummary(const Session& session);

// Entry o's label, count and share as printed, at o - 1, for each box the
// final Show draws.
QStringList CellTitles(const Session& session);

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two floors the measured code is compared against: the least work a
// parser or a painter of the same input could do.

#include "paint/form_state.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QStringView>

#include <vector>

namespace cellaro::bench {

// Baseline (a): splits the text at line feeds and reads the digits after
// each line's first comma. No table, no labels, no threshold; returns the
// sum of the numbers so the work cannot be optimised away.
long long SplitAndReadNumbers(QStringView text);

struct FilledBox {
    QRect pixels;
    QColor colour;
};

// The boxes the painter draws for the table, in pixels, with their fill
// colours worked out in advance.
std::vector<FilledBox> PrecomputedBoxes(FormState form, Int16 scheme);

// Baseline (b): one fillRect per box, no outline, no texts, no logic.
void FillBoxes(QPainter& painter, const std::vector<FilledBox>& boxes);

} // namespace cellaro::bench

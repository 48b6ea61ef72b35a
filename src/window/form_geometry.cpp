// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form_geometry.h"

#include "surface/twips.h"

#include <algorithm>

namespace cellaro {

float CentredPosition(float screenTwips, float windowTwips)
{
    return screenTwips / 2.0f - windowTwips / 2.0f;
}

QSize ClientPixelsFor(float outerWidthTwips, float outerHeightTwips, QMargins framePixels)
{
    const int width = TwipsToPixels(outerWidthTwips) - framePixels.left() - framePixels.right();
    const int height = TwipsToPixels(outerHeightTwips) - framePixels.top() - framePixels.bottom();
    return QSize(std::max(width, 0), std::max(height, 0));
}

} // namespace cellaro

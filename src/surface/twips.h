// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions and sizes on the window are twips; the screen works in pixels.
// The factor is fixed at 15 twips to the pixel.

#include <cmath>

namespace cellaro {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips)
{
    return int(std::floor(twips / kTwipsPerPixel + 0.5));
}

inline double PixelsToTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's background where the tool sets none: the toolkit's own
// window colour. The renderer draws its pictures on it; the window clears
// its drawing area to its palette's window colour, which is this one unless
// a desktop theme brings another (a test holds the two together).

#include "surface/colour.h"

namespace cellaro {

inline constexpr Colour kWindowBackground = RGB(239, 239, 239);

} // namespace cellaro

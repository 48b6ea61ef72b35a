// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls' font: the built-in font at 8 pt. The stored control sizes
// were made for it (">=" fills its 12 x 13 pixel label).

#include <QFont>

namespace cellaro {

// The font as the controls use it; it draws once UseDefaultFont() has
// registered it.
QFont DefaultFont();

// Registers the built-in font with the toolkit's font database and makes it
// the application's font. The window program and the tests call it once,
// right after the application object is made, before any window exists.
// Returns the font as set.
QFont UseDefaultFont();

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window geometry rules in twips. The window's Width and Height are its
// outer size, frame included; controls and drawing are placed in the client
// area. These rules hold no widget, so they are checked on their own.

#include <QMargins>
#include <QSize>

namespace cellaro {

// The position that centres a window on the screen along one axis:
// Screen / 2 - window / 2, in single precision. Not limited to the screen: a
// window larger than the screen gets a negative position.
float CentredPosition(float screenTwips, float windowTwips);

// The client size in pixels that gives the outer size in twips with the
// frame the platform reports (none when it reports none).
QSize ClientPixelsFor(float outerWidthTwips, float outerHeightTwips, QMargins framePixels);

} // namespace cellaro

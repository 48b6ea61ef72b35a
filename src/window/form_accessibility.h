// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology is told about the window: names for the list
// box, the threshold box (with the ">=" label tied to it), the scheme
// selector and the grid, in the window's language like its captions; the
// drawing area as the table of the grid it shows, announced anew after
// every Show. Nothing of this is seen on the screen.

class QWidget;

namespace cellaro {

class Form1;

// Called once, by the window, when its controls exist.
void MakeAccessible(Form1& form, QWidget& drawingArea);

} // namespace cellaro

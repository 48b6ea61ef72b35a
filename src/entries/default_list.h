// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cellaro {

// The list the list box holds when the window opens: the letter frequencies
// of the 36 letters of the Albanian alphabet, each line ending in CR LF.
QString DefaultListText();

} // namespace cellaro

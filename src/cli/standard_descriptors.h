// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Descriptors 0, 1 and 2 as the tool found them. A tool started with one of
// them closed would otherwise hand that number to the next open() (a file,
// Qt's event descriptor) and then print into it or read from it.

namespace cellaro::cli {

struct StandardDescriptors {
    bool inputClosed = false;
    bool outputClosed = false;
};

// Opens /dev/null on each of 0, 1 and 2 that is closed and says whether 0
// and 1 were (a closed standard error only loses the tool's messages).
// Call it first in main(), before any Qt object exists.
StandardDescriptors GuardStandardDescriptors();

} // namespace cellaro::cli

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's program takes no arguments but --help and --version, which
// are answered on standard output without a display or a window; any
// other argument is a usage error.

#include <optional>

namespace cellaro {

// The exit status when the command line is answered; none when the
// program is to open its window.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

} // namespace cellaro

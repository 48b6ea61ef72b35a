// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exit statuses every Cellaro command-line tool shares.

namespace cellaro::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitBadInput = 1; // bad or unreadable input, failed output
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

} // namespace cellaro::cli

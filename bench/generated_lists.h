// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list texts the benchmarks parse and paint: lines "label,count" ending
// in CR LF, as the list box holds them after a paste. They are built from a
// fixed formula, so every run and every machine measures the same text.

#include <QString>

namespace cellaro::bench {

// `entries` lines, every one accepted at threshold 0. Labels are letter
// pairs of the header alphabet (numbered beyond the 1296 pairs); counts run
// from 0 to 1999 in a scattered order, so every scheme uses its whole range.
QString GeneratedList(int entries);

// The threshold that splits the two lists below: counts that reach it have
// five digits, those below it four, as in a paste of large counts.
inline constexpr int kSplitThreshold = 10000;

// `lines` lines of which every tenth reaches kSplitThreshold: the same mix at
// every length, so the parse time can be compared across lengths.
QString TenthAcceptedList(int lines);

// A large paste: `lines` lines whose first `accepted` reach kSplitThreshold
// and whose others fall below it.
QString PasteList(int lines, int accepted);

} // namespace cellaro::bench

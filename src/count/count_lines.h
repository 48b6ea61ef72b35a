// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The counts as a list Cellaro reads: one "label,count" line per letter, or
// per pair of letters, in the alphabet's order.

#include "count/letter_counts.h"

#include <cstdint>
#include <span>
#include <string>

namespace cellaro::count {

enum class CountKind { Letters, Pairs };
enum class LineEnd { Lf, CrLf };

// The label of line `index` (0-based): a letter, or for pairs the row's
// letter then the column's ("a" + "dh" gives "adh").
std::string LineLabel(CountKind kind, std::size_t index);

// The counts a kind writes: 36 letters, or 1296 pairs, row by row.
std::span<const std::uint64_t> CountsOf(const LetterCounts& counts, CountKind kind);

std::string CountLines(CountKind kind, std::span<const std::uint64_t> counts, LineEnd end);

} // namespace cellaro::count

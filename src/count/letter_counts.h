// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What counting a text gives: how often each letter occurs, and how often
// each ordered pair of letters follows each other inside one word.

#include "count/alphabet.h"

#include <array>
#include <cstdint>

namespace cellaro::count {

struct LetterCounts {
    std::array<std::uint64_t, kLetters> letters {};
    std::array<std::uint64_t, kPairs> pairs {}; // [first * kLetters + second]
};

} // namespace cellaro::count

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts Cellaro can store: a list's count must fit in 16 bits, so a count
// above 32767 is either refused or all counts are divided by a power of ten.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace cellaro::count {

inline constexpr std::uint64_t kLargestCount = 32767;

// The first count above kLargestCount, by its index, or none.
std::optional<std::size_t> FirstTooLarge(std::span<const std::uint64_t> counts);

// `count` / `divisor`, rounded to the nearest integer, a half to the even one.
std::uint64_t DivideRounded(std::uint64_t count, std::uint64_t divisor);

// The smallest power of ten that, dividing the largest count with rounding,
// brings it to kLargestCount or below; 1 when every count fits.
std::uint64_t ScaleDivisor(std::span<const std::uint64_t> counts);

std::vector<std::uint64_t> Scaled(std::span<const std::uint64_t> counts, std::uint64_t divisor);

} // namespace cellaro::count

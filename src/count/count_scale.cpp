// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/count_scale.h"

#include <algorithm>

namespace cellaro::count {

std::optional<std::size_t> FirstTooLarge(std::span<const std::uint64_t> counts)
{
    const auto found = std::find_if(counts.begin(), counts.end(),
                                    [](std::uint64_t count) { return count > kLargestCount; });
    if (found == counts.end())
        return std::nullopt;
    return std::size_t(found - counts.begin());
}

std::uint64_t DivideRounded(std::uint64_t count, std::uint64_t divisor)
{
    const std::uint64_t quotient = count / divisor;
    const std::uint64_t twiceRest = 2 * (count % divisor);
    const bool up = twiceRest > divisor || (twiceRest == divisor && quotient % 2 == 1);
    return quotient + (up ? 1 : 0);
}

std::uint64_t ScaleDivisor(std::span<const std::uint64_t> counts)
{
    const std::uint64_t largest = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    std::uint64_t divisor = 1;
    while (DivideRounded(largest, divisor) > kLargestCount)
        divisor *= 10;
    return divisor;
}

std::vector<std::uint64_t> Scaled(std::span<const std::uint64_t> counts, std::uint64_t divisor)
{
    std::vector<std::uint64_t> scaled(counts.size());
    std::transform(counts.begin(), counts.end(), scaled.begin(),
                   [divisor](std::uint64_t count) { return DivideRounded(count, divisor); });
    return scaled;
}

} // namespace cellaro::count

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool keeps counts and geometry in 16-bit signed integers. Every
// conversion into that range goes through here, so the rounding rule (to
// nearest, ties to even) and the range check live in one place.

#include <cmath>
#include <cstdint>
#include <optional>

namespace cellaro {

using Int16 = std::int16_t;

inline constexpr long long kInt16Min = -32768;
inline constexpr long long kInt16Max = 32767;

// Rounds to the nearest integer; a value exactly halfway goes to the even one.
inline double RoundHalfEven(double value)
{
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5)
        return down + 1;
    if (fraction < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

inline constexpr bool FitsInt16(long long value)
{
    return value >= kInt16Min && value <= kInt16Max;
}

// The 16-bit conversion: empty where the rounded value would overflow
// (infinities and NaN included).
inline std::optional<Int16> ToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < double(kInt16Min) || rounded > double(kInt16Max))
        return std::nullopt;
    return static_cast<Int16>(rounded);
}

// A 16-bit result of integer arithmetic, empty on overflow.
inline std::optional<Int16> CheckedInt16(long long value)
{
    if (!FitsInt16(value))
        return std::nullopt;
    return static_cast<Int16>(value);
}

} // namespace cellaro

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours are 32-bit values 0x00BBGGRR: red in the low byte.

#include <cstdint>

namespace cellaro {

using Colour = std::uint32_t;

inline constexpr int ClampComponent(long long component)
{
    return component < 0 ? 0 : component > 255 ? 255 : int(component);
}

// A component above 255 counts as 255 (and one below 0 as 0).
inline constexpr Colour RGB(long long red, long long green, long long blue)
{
    return Colour(ClampComponent(red)) + 256u * Colour(ClampComponent(green))
        + 65536u * Colour(ClampComponent(blue));
}

inline constexpr int RedOf(Colour colour) { return int(colour & 0xFF); }
inline constexpr int GreenOf(Colour colour) { return int((colour >> 8) & 0xFF); }
inline constexpr int BlueOf(Colour colour) { return int((colour >> 16) & 0xFF); }

} // namespace cellaro

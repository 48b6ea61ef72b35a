// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One UTF-8 sequence at a time, strictly: no overlong forms, no surrogates,
// nothing above U+10FFFF.

#include <cstddef>
#include <string_view>

namespace cellaro::count {

struct Utf8Sequence {
    char32_t codePoint = 0;
    std::size_t length = 0; // 0: the first byte starts no valid sequence
};

// The sequence at the start of `bytes` (which must not be empty).
Utf8Sequence DecodeUtf8(std::string_view bytes);

} // namespace cellaro::count

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A made-up Albanian text: sentences of words drawn by a random generator
// started at a fixed value from a small hand-written vocabulary, so every
// run and every machine gets the same bytes. Used to time cellaro-count and for the README's picture.

#include <cstddef>
#include <string>

namespace cellaro::bench {

// At least `bytes` bytes of UTF-8 text, whole lines; the same bytes on every
// call.
std::string AlbanianText(std::size_t bytes);

} // namespace cellaro::bench

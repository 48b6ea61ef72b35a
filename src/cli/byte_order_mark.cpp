// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/byte_order_mark.h"

#include <algorithm>
#include <array>
#include <utility>

namespace cellaro::cli {

namespace {

constexpr std::size_t kLongestMark = 4;

// UTF-32LE's mark begins with UTF-16LE's, so the longer marks come first.
constexpr std::array<std::pair<std::string_view, const char*>, 4> kMarks { {
    { std::string_view("\xFF\xFE\0\0", 4), "UTF-32LE" },
    { std::string_view("\0\0\xFE\xFF", 4), "UTF-32BE" },
    { std::string_view("\xFF\xFE", 2), "UTF-16LE" },
    { std::string_view("\xFE\xFF", 2), "UTF-16BE" },
} };

} // namespace

void InputStart::see(std::string_view chunk)
{
    if (head_.size() < kLongestMark)
        head_.append(chunk.substr(0, kLongestMark - head_.size()));
}

std::optional<QString> InputStart::foreignEncoding() const
{
    const std::string_view head(head_);
    for (const auto& [mark, name] : kMarks)
        if (head.substr(0, mark.size()) == mark)
            return QString::fromLatin1(name);
    return std::nullopt;
}

} // namespace cellaro::cli

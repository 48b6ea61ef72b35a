// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/count_lines.h"

#include <charconv>

namespace cellaro::count {

std::string LineLabel(CountKind kind, std::size_t index)
{
    if (kind == CountKind::Letters)
        return std::string(LetterLabel(int(index)));
    return std::string(LetterLabel(int(index / kLetters))) + std::string(LetterLabel(int(index % kLetters)));
}

std::span<const std::uint64_t> CountsOf(const LetterCounts& counts, CountKind kind)
{
    if (kind == CountKind::Letters)
        return counts.letters;
    return counts.pairs;
}

std::string CountLines(CountKind kind, std::span<const std::uint64_t> counts, LineEnd end)
{
    const std::string_view lineEnd = end == LineEnd::CrLf ? "\r\n" : "\n";
    std::string text;
    text.reserve(counts.size() * 12);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, counts[i]);
        text += LineLabel(kind, i);
        text += ',';
        text.append(digits, written.ptr);
        text += lineEnd;
    }
    return text;
}

} // namespace cellaro::count

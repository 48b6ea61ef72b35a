// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/text_counter.h"

#include <algorithm>

namespace cellaro::count {

TextCounter::TextCounter()
    : tokenizer_(std::make_unique<WordTokenizer>())
    , decoder_(std::make_unique<TextDecoder>(*tokenizer_))
{
}

LetterCounts CountText(std::string_view text, std::size_t chunkBytes)
{
    TextCounter counter;
    for (std::size_t at = 0; at < text.size(); at += chunkBytes)
        counter.feed(text.substr(at, std::min(chunkBytes, text.size() - at)));
    counter.finishText();
    return counter.counts();
}

} // namespace cellaro::count

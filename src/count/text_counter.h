// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts letters and pairs of one or more texts, fed in chunks of any size.

#include "count/letter_counts.h"
#include "count/text_decoder.h"
#include "count/word_tokenizer.h"

#include <memory>
#include <string_view>

namespace cellaro::count {

class TextCounter {
public:
    TextCounter();

    void feed(std::string_view bytes) { decoder_->feed(bytes); }

    // The end of one text: no word or pair runs on into the next.
    void finishText() { decoder_->finish(); }

    LetterCounts counts() const { return tokenizer_->counts(); }
    std::uint64_t invalidBytes() const { return decoder_->invalidBytes(); }

private:
    // On the heap: the decoder keeps a reference to the tokenizer, and the
    // counter may be moved.
    std::unique_ptr<WordTokenizer> tokenizer_;
    std::unique_ptr<TextDecoder> decoder_;
};

// The counts of one whole text, handed over in chunks of `chunkBytes`.
LetterCounts CountText(std::string_view text, std::size_t chunkBytes);

} // namespace cellaro::count

// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads UTF-8 bytes, in chunks cut anywhere, into the tokenizer's units.
//
// The text is taken in pieces: an ASCII character and the non-ASCII
// characters after it. No composition takes an ASCII character as its
// second element, so normalising each piece to NFC on its own gives the
// text's own NFC, and "e" + combining diaeresis is "ë" whichever chunk
// holds which byte. The common pieces (a plain ASCII character, one
// precomposed ç or ë) skip the normalisation.
//
// After NFC a letter still followed by a combining mark is a letter outside
// the alphabet. Invalid bytes are no letters; they are counted.

#include "count/word_tokenizer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace cellaro::count {

class TextDecoder {
public:
    explicit TextDecoder(WordTokenizer& tokenizer);

    void feed(std::string_view bytes);

    // The end of one input: what waits is counted and the word is over. The
    // next bytes start a new input, which may begin with a byte-order mark.
    void finish();

    std::uint64_t invalidBytes() const { return invalidBytes_; }

private:
    void skipByteOrderMark(std::string_view& bytes);
    void feedText(std::string_view bytes);
    void takeAscii(const char* begin, const char* end);
    void takeOther(std::string_view bytes, bool closed);
    void closePiece();
    void normalisePiece(std::string_view run);
    void cutLongRun();

    WordTokenizer& tokenizer_;
    int base_ = -1;      // the ASCII byte that opened the piece, if any
    std::string run_;    // the non-ASCII bytes after it
    std::size_t byteOrderMarkSeen_ = 0;
    bool atInputStart_ = true;
    std::uint64_t invalidBytes_ = 0;
};

} // namespace cellaro::count

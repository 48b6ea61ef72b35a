// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns units into letters and counts them. Two-unit letters are taken
// greedily from left to right ("shtëpi": sh t ë p i), so a unit that can
// begin one waits for the next. A unit that is no letter of the alphabet
// ends the word: no pair is counted across it.
//
// The rules are written once, as a plain step (word_tokenizer.cpp), and
// turned into a table of what each unit does in each waiting state. Counting
// is then a table look-up and four increments per unit, with no branch on
// the text: "none" has counter slots of its own that are never read.

#include "count/alphabet.h"
#include "count/letter_counts.h"

#include <array>
#include <cstdint>

namespace cellaro::count {

class WordTokenizer {
public:
    WordTokenizer();

    void take(int unit)
    {
        const Step& step = steps_[held_][std::size_t(unit)];
        ++letters_[step.first];
        ++letters_[step.second];
        ++pairs_[previous_ * kSlots + step.first];
        ++pairs_[step.firstThenSecond];
        previous_ = (previous_ & step.keepPrevious) | step.previous;
        held_ = step.held;
    }

    // The end of a text: the waiting unit counts alone, the word is over.
    void endWord() { take(kUnitOther); }

    LetterCounts counts() const;

    // The letters below 36 and kNone stand for "no letter".
    static constexpr unsigned kNone = kLetters;
    static constexpr unsigned kSlots = kLetters + 1;
    static constexpr int kWaitingStates = 10; // nothing, or one of d g l n r s t x z

    struct Step {
        std::uint8_t held = 0;          // the waiting state after this unit
        std::uint8_t first = kNone;     // the letters this unit completes, in order
        std::uint8_t second = kNone + 1; // its own slot: a second letter is rare
        std::uint8_t previous = 0;      // the word's last letter after it ...
        std::uint8_t keepPrevious = 0;  // ... or 0xFF: it stays as it was
        std::uint16_t firstThenSecond = 0;
    };

private:
    std::array<std::array<Step, kUnits>, kWaitingStates> steps_;
    unsigned held_ = 0;
    unsigned previous_ = kNone;
    std::array<std::uint64_t, kSlots + 1> letters_ {};
    std::array<std::uint64_t, kSlots * kSlots> pairs_ {};
};

} // namespace cellaro::count

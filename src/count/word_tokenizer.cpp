// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "count/word_tokenizer.h"

#include <algorithm>
#include <vector>

namespace cellaro::count {

namespace {

// What one unit does when `waiting` (a unit, or -1) is held: the letters it
// completes, whether the word ends, and what waits afterwards.
struct Outcome {
    std::vector<int> letters;
    bool endsWord = false;
    int waiting = -1;
};

Outcome Rule(int waiting, int unit)
{
    Outcome outcome;
    if (waiting >= 0) {
        const int digraph = DigraphLetter(waiting, unit);
        if (digraph != kNoLetter) {
            outcome.letters.push_back(digraph);
            return outcome;
        }
        outcome.letters.push_back(SingleLetter(waiting));
    }
    if (BeginsDigraph(unit)) {
        outcome.waiting = unit;
        return outcome;
    }
    const int letter = SingleLetter(unit);
    if (letter == kNoLetter)
        outcome.endsWord = true;
    else
        outcome.letters.push_back(letter);
    return outcome;
}

std::vector<int> UnitsBeginningDigraphs()
{
    std::vector<int> units { -1 };
    for (int unit = 0; unit < kUnits; ++unit)
        if (BeginsDigraph(unit))
            units.push_back(unit);
    return units;
}

} // namespace

WordTokenizer::WordTokenizer()
{
    const std::vector<int> waitingUnits = UnitsBeginningDigraphs(); // state i waits for units[i]
    for (std::size_t state = 0; state < waitingUnits.size(); ++state) {
        for (int unit = 0; unit < kUnits; ++unit) {
            const Outcome outcome = Rule(waitingUnits[state], unit);
            Step& step = steps_[state][std::size_t(unit)];
            const auto held = std::find(waitingUnits.begin(), waitingUnits.end(), outcome.waiting);
            step.held = std::uint8_t(held - waitingUnits.begin());
            if (!outcome.letters.empty())
                step.first = std::uint8_t(outcome.letters[0]);
            if (outcome.letters.size() > 1)
                step.second = std::uint8_t(outcome.letters[1]);
            const unsigned secondForPair = outcome.letters.size() > 1 ? step.second : kNone;
            step.firstThenSecond = std::uint16_t(step.first * kSlots + secondForPair);
            if (outcome.endsWord)
                step.previous = kNone;
            else if (!outcome.letters.empty())
                step.previous = std::uint8_t(outcome.letters.back());
            else
                step.keepPrevious = 0xFF;
        }
    }
}

LetterCounts WordTokenizer::counts() const
{
    LetterCounts counts;
    for (int first = 0; first < kLetters; ++first) {
        counts.letters[std::size_t(first)] = letters_[std::size_t(first)];
        for (int second = 0; second < kLetters; ++second)
            counts.pairs[std::size_t(first * kLetters + second)] = pairs_[std::size_t(first) * kSlots + std::size_t(second)];
    }
    return counts;
}

} // namespace cellaro::count
